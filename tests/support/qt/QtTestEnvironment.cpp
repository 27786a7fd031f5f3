#include "support/qt/QtTestEnvironment.h"

#include "platform/qt/QtDC.h"

#include <QApplication>

namespace tembra::test {

QtTestEnvironment::QtTestEnvironment(const char* name, Options options)
    : m_name(name), m_options(options) {}

void QtTestEnvironment::SetUp() {
    if (QApplication::instance() == nullptr) {
        // QApplication keeps references to argc and argv for its whole life.
        static int argc = 1;
        static char* argv[] = {const_cast<char*>(m_name), nullptr};
        m_app = new QApplication(argc, argv);
    }
    if (m_options.fontSubstitutes) {
        InstallFontSubstitutions();
    }
}

void QtTestEnvironment::TearDown() {
    delete m_app;
    m_app = nullptr;
}

} // namespace tembra::test
