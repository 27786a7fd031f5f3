// The sample of a font choice: a button that draws its own text centred, on one line, in its
// font record, with heights in 0.1 mm (the record's lfHeight is the negative character height).
// Without a record it shows the button face only. Shared by the dialogs that pick a font.
#pragma once

#include "platform/Types.h"

#include <QPushButton>

#include <optional>

namespace tembra {

class CFontSampleButton : public QPushButton {
    Q_OBJECT
public:
    explicit CFontSampleButton(const QString& text, QWidget* parent = nullptr);

    // The font the sample shows; repaints.
    void SetSampleFont(const LOGFONT& font);
    const std::optional<LOGFONT>& SampleFont() const { return m_font; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<LOGFONT> m_font;
};

} // namespace tembra
