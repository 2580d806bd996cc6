#pragma once
// The closing window: when the main window closes without a pending restart,
// it shows this window, which covers the screen with one picture for about
// two and a half seconds and then ends the program.  A key, or a click on the
// window outside the picture, ends it at once.

#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class frmCreditos;
}

class frmCreditos : public QWidget {
    Q_OBJECT

public:
    explicit frmCreditos(QWidget* parent = nullptr);
    ~frmCreditos() override;

    // The picture and its top-left corner for a screen of w x h pixels:
    // "FUNDOTELANORVALE800X600" at (0, 0) below 1024 x 768, otherwise
    // "FUNDOTELANORVALE1024X768" centred (halves rounded to the even pixel).
    struct Posicao {
        QString imagem;
        QPoint canto;
    };
    static Posicao PosicaoImagem(int larguraTela, int alturaTela);

    // What unloading the window does: end the program.  The default leaves
    // the application's event loop (QCoreApplication::exit(0)); tests install
    // their own.  Pass an empty function to restore the default.
    static void setEncerraPrograma(std::function<void()> encerra);

    // Ticks of Timer1 since loading (the window unloads at the fifth).
    int Contador() const { return m_contador; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Form_Unload();

    std::unique_ptr<Ui::frmCreditos> ui;
    QTimer Timer1;
    quint8 m_contador = 0;
    bool m_pressionado = false;
    bool m_descarregado = false;
};
