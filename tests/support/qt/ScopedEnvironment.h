// Environment variables a test sets (or removes) for itself and the processes it starts, put
// back as they were when the object goes.
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <map>
#include <string>

namespace tembra::test {

class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (const auto& [name, value] : m_old) {
            if (value.isNull()) {
                qunsetenv(name.constData());
            } else {
                qputenv(name.constData(), value);
            }
        }
    }
    void Set(const char* name, const std::string& value) {
        Keep(name);
        qputenv(name, QByteArray::fromStdString(value));
    }
    void Unset(const char* name) {
        Keep(name);
        qunsetenv(name);
    }

private:
    void Keep(const char* name) {
        if (m_old.find(name) == m_old.end()) {
            m_old[name] = qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray();
        }
    }

    std::map<QByteArray, QByteArray> m_old;
};

} // namespace tembra::test
