#pragma once
// The longest stall of the event loop while a benchmark's steps run: a 1 ms
// heartbeat timer notes the longest gap between two of its ticks.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace bench {

class MedidorParada {
public:
    MedidorParada()
    {
        m_batida.setTimerType(Qt::PreciseTimer);
        m_batida.setInterval(1);
        QObject::connect(&m_batida, &QTimer::timeout, [this] {
            const qint64 agora = m_relogio.nsecsElapsed();
            if (m_ultimo)
                m_maior = std::max(m_maior, (agora - m_ultimo) / 1e6);
            m_ultimo = agora;
        });
    }

    void Inicia()
    {
        m_relogio.start();
        m_ultimo = 0;
        m_maior = 0;
        m_batida.start();
    }

    // Stops the heartbeat; returns the longest stall in milliseconds.
    double Para()
    {
        m_batida.stop();
        return m_maior;
    }

private:
    QElapsedTimer m_relogio;
    QTimer m_batida;
    qint64 m_ultimo = 0;
    double m_maior = 0;
};

}  // namespace bench
