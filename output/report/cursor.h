#pragma once
// The hourglass pointer of a long output action: set while the object lives
// (when the program has a window system), restored after.

#include <QCursor>
#include <QGuiApplication>

namespace saida {

class Ampulheta {
public:
    Ampulheta() { Reativa(); }
    ~Ampulheta() { Desliga(); }
    Ampulheta(const Ampulheta&) = delete;
    Ampulheta& operator=(const Ampulheta&) = delete;

    void Reativa()
    {
        if (!m_ativa && qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            m_ativa = true;
        }
    }
    void Desliga()
    {
        if (m_ativa) {
            QGuiApplication::restoreOverrideCursor();
            m_ativa = false;
        }
    }

private:
    bool m_ativa = false;
};

}  // namespace saida
