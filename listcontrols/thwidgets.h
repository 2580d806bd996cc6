#pragma once
// Small building blocks of the list controls: a picture that takes mouse
// input like the design's picture boxes and images (press, click, double
// click, move), the mouse-pointer values of the column specs, and the mouse
// button and shift values the controls' events carry.

#include <QCursor>
#include <QPixmap>
#include <QWidget>

// The windows' own values (core/controles.h, whose controls' names the
// detail window has for its own).
namespace Modulo {
int BotaoVB(Qt::MouseButtons botoes);
int ShiftVB(Qt::KeyboardModifiers modificadores);
}  // namespace Modulo

namespace THWidgets {

// Button values of the events (1 left, 2 right, 4 middle, combined for moves)
// and shift values (1 Shift, 2 Ctrl, 4 Alt): the windows' own.
using Modulo::BotaoVB;
using Modulo::ShiftVB;

// Mouse pointer of a column spec or a control: 0 the default arrow, 99 the
// custom pointing hand; the other standard values map to their Qt shapes.
QCursor CursorDoPonteiro(int ponteiro);
void AplicaPonteiro(QWidget* w, int ponteiro);

}  // namespace THWidgets

// Unloads an element of a control array: hidden and disconnected at once,
// deleted once the event being delivered (perhaps to it) is done.
void Descarta(QWidget* w);

// A picture box or image: shows its picture at the picture's size (or a
// fixed size when one is set) and reports the mouse.  A "disabled" picture
// (setPassaMouse(true)) lets mouse input through to what lies beneath.
class THPicture : public QWidget {
    Q_OBJECT
public:
    explicit THPicture(QWidget* parent = nullptr);

    void setPicture(const QPixmap& p);
    const QPixmap& picture() const { return m_picture; }
    void setPassaMouse(bool on);
    void setPonteiro(int ponteiro);
    int ponteiro() const { return m_ponteiro; }

Q_SIGNALS:
    void pressionado(int botao);
    void clicado(int botao);
    void clicadoDuplo();
    void movido(int botao, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QPixmap m_picture;
    int m_ponteiro = 0;
    bool m_pressionado = false;
};
