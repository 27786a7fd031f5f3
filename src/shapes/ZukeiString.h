// The text of the free drawing, placed in the rectangle of two anchors. Two kinds of record:
//   - kind 16, a plain text: one line drawn from the rectangle's corner, no frame, no breaking;
//   - kind 18, a framed text (its creator overwrites the kind word): a frame of one of the shape
//     outlines round it, its text broken into lines that fit the text box inside the frame, an
//     optional tag letter at the frame's corner, and typed where it stands through an in-place
//     edit control.
//
// File form after the CZukei2 part (little-endian):
//   12  the text attributes: FontHeigh, FontWidth, Form (0 left, 1 centre, 2 right), Color,
//       Attrb (0x0004 bold, 0x0100 top-aligned, 0x0200 bottom-aligned)
//   var the text (paragraphs separated by CR LF)
//   50  the font (LogFont16)
// and from version 51000 on:
//   2   FrameKind: the shape kind whose outline frames the text (4, 5, 6, 7, 10 to 14)
//   2   StyleNo: the drawing style the framed text was made with
//   2   FrameTag: 0 none, 1 "災", 2 "対", 3 "目", 4 "実", 5 none
//   16  the edit control's text box at the zoom it was fitted at (left, top, right, bottom)
//   16  the same at 100 %
//   var the lines of the last layout (count, then each string)
#pragma once

#include "model/AttrBlocks.h"
#include "shapes/Zukei2.h"
#include "shapes/ZukeiStringEdit.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tembra {

class IZukeiEditHost;

class CZukeiString : public CZukei2 {
    DECLARE_SERIAL(CZukeiString)
public:
    // Files from this version on hold the frame, the tag, the edit rectangles and the lines.
    static constexpr int kFrameVersion = 51000;
    static constexpr std::size_t kTextAttrSize = 12;
    // Attrb flags.
    static constexpr WORD kAttrBold = 0x0004;
    static constexpr WORD kAttrTop = 0x0100;
    static constexpr WORD kAttrBottom = 0x0200;
    // Tag letters.
    enum : WORD {
        kTagNone = 0,
        kTagSai = 1,
        kTagTai = 2,
        kTagMoku = 3,
        kTagJitsu = 4,
        kTagEmpty = 5
    };
    // The tag: its colour, its distance up and left of the frame's corner, its font height.
    static constexpr COLORREF kTagColor = RGB(0x80, 0x00, 0x80);
    static constexpr int kTagOffset = 10;
    static constexpr LONG kTagFontHeight = -32;

    // Kind 16, sizes 1 and 1, no text, no frame, style and tag 0, no lines, not being edited.
    CZukeiString();
    ~CZukeiString() override;

    void Serialize(CArchive& ar) override;

    // ---- The text and its attributes ------------------------------------------------------------
    const CTextAttr& GetTextAttr() const { return m_textAttr; }
    CTextAttr& GetTextAttr() { return m_textAttr; }
    void SetTextAttr(const CTextAttr& attr) { m_textAttr = attr; }
    const std::string& GetText() const { return m_text; }
    void SetText(std::string_view textCp932) { m_text = textCp932; }
    const LOGFONT& GetFont() const { return m_font; }
    void SetFont(const LOGFONT& font) { m_font = font; }
    short GetStyleNo() const { return m_styleNo; }
    void SetStyleNo(short style) { m_styleNo = style; }
    WORD GetFrameKind() const { return m_frameKind; }
    void SetFrameKind(WORD kind) { m_frameKind = kind; }
    WORD GetFrameTag() const { return m_frameTag; }
    void SetFrameTag(WORD tag) { m_frameTag = tag; }
    // The lines must be laid out again before the next drawing on the screen.
    BOOL GetUpdate() const { return m_update; }
    void SetUpdate(BOOL update = TRUE) { m_update = update; }
    // 1 from BeginEdit until the edit ends.
    DWORD GetEditState() const { return m_editState; }
    void SetEditState(DWORD state) { m_editState = state; }
    void ClearEditState() { m_editState = 0; }
    // The lines of the last layout, in drawing order.
    const std::vector<std::string>& GetLines() const { return m_lines; }

    // ---- In-place editing -----------------------------------------------------------------------
    // The edit control while its window exists, else null.
    CZukeiStringEdit* GetEditWnd() const;
    // Prepares the edit control's window for an edit (see CZukeiStringEdit::BeginEdit).
    void BeginEdit(IZukeiEditHost* parent);

    // ---- Layout ---------------------------------------------------------------------------------
    // The text box inside a frame rectangle, in the same units: a margin of the pen width and
    // 15 units (both zoomed) all round, and what the frame's outline takes besides. Normalised;
    // a side whose margins do not fit has no extent.
    CRect GetTextRect(const IZukeiView& view, const CRect& frame) const;
    // The text box of the shape's rectangle at 100 %.
    CRect GetTextRect100(const IZukeiView& view) const;
    // Breaks the text into the lines that fit the width in the font (made on the screen as a
    // point font, else as it is): a paragraph per CR LF, broken between characters; a character
    // wider than the width stands on a line of its own.
    void LayoutLines(const IZukeiView& view, CDC& dc, int limit, const LOGFONT& font) const;

    // ---- The shape interface --------------------------------------------------------------------
    // Also marks the lines for a new layout.
    void SetWidth(short width) override;
    using CDataHeader::SetKind;
    void SetKind() override;
    // A circle-framed text is drawn square; a framed text then fits its edit control's
    // rectangles to the new rectangle.
    void SetPoint(const CDatePos& pos, const IZukeiView& view, int index) override;
    void Draw(const IZukeiView& view, CDC& dc, int mode) const override;
    // Framed texts: the frame moved, or resized by the handle drag; plain texts show nothing.
    void DrawMoving(const IZukeiView& view, CDC& dc, const CPoint& delta) const override;
    void DrawTracking(const IZukeiView& view, CDC& dc, const CPoint& delta, int handle,
                      const CRect& ref) const override;
    // A copy that takes over an edit in progress: the edit window's text becomes this shape's
    // text and the copy's, and the copy gets a window of its own.
    std::unique_ptr<CZukei> Clone() const override;
    CRect GetResizedRect(const IZukeiView& view, const CPoint& delta, int handle,
                         const CRect& ref) const override;
    // Whether the probe meets (or, mode 1, encloses) the rectangle of the anchors.
    BOOL HitTest(const IZukeiView& view, const CRect& probe, int mode) const override;

private:
    friend struct ZukeiStringFields;

    bool IsFramed() const { return GetKind() == kZukeiFramedString; }
    // The text box fitted into the edit control's rectangles after the anchors changed.
    void FitEditRects(const IZukeiView& view);
    // The circle frame's anchors: a square from the drag start, or about it in centre mode.
    void SetSquarePoint(const CDatePos& pos, const IZukeiView& view, int index);
    // The frame of the rectangle with the pen given.
    void DrawFrame(const IZukeiView& view, CDC& dc, const CRect& rect, const ZukeiPen& pen) const;
    // The tag letter at the corner, when the shape is selected and has one.
    void DrawTag(const IZukeiView& view, CDC& dc, const CPoint& corner) const;
    void DrawPlain(const IZukeiView& view, CDC& dc) const;
    void DrawLines(const IZukeiView& view, CDC& dc, const CRect& rect) const;

    CTextAttr m_textAttr;
    // The text is brought up to date from an edit window when the shape is copied.
    mutable std::string m_text;
    LOGFONT m_font;
    short m_styleNo = 0;
    WORD m_frameKind = 0;
    // Laying out is part of drawing: the flag and the lines change while the shape is drawn.
    mutable BOOL m_update = FALSE;
    std::unique_ptr<CZukeiStringEdit> m_edit;
    DWORD m_editState = 0;
    WORD m_frameTag = 0;
    mutable std::vector<std::string> m_lines;
    // Drawn from the centre (a circle frame); taken when the first anchor is placed.
    bool m_fromCenter = false;
};

} // namespace tembra
