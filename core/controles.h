#pragma once
// The controls the catalogue's windows are made of, with the behaviour of the
// design's controls, so that a window can be written as its design says:
//
//   Imagem       an image (img...): a label that draws its picture unscaled at
//                its top-left corner and takes the picture's size when a
//                picture is loaded through SetPicture (an empty picture keeps
//                the size and shows nothing); QLabel's own setPixmap works too.
//   CaixaImagem  a picture box (pct...): a container with a background colour
//                and a picture drawn at its top-left corner; it keeps its size
//                whatever picture it shows; it can take the focus.  Border
//                style 1 draws a single line round it and places its children
//                inside that line.
//   Rotulo       a label (lbl...); with AutoSize it fits its width and height
//                to the caption each time the caption is set (setText).
//   CaixaTexto   a text box (txt...): a line edit that reports focus, mouse
//                moves and the typed character (KeyPress may swallow it by
//                setting KeyAscii to 0).
//   Linha        a line (lin...), placed by its end points in the container.
//   Forma        a shape (shp...): a rectangle's outline, transparent to the
//                mouse.
//
// Mouse events carry the design's values: Button 1 left, 2 right, 4 middle
// (combined while moving), Shift 1 Shift, 2 Ctrl, 4 Alt, X and Y in pixels of
// the control.  Images, picture boxes and labels follow the mouse without a
// button pressed (mouse tracking) and keep a move for themselves, as the
// design's controls do; a control made transparent to the mouse
// (Qt::WA_TransparentForMouseEvents) lets it through to what lies beneath.
// Click is a left press and release inside the control; a double click gives
// DblClick instead of a second Click.  Every control carries the design's
// free text Tag, kept in its dynamic property "Tag" (so that code holding a
// plain QWidget reads and writes the same text).
//
// A button with a highlighted twin (BotaoImagem): two images at one place,
// the twin above the button, hidden and transparent to the mouse, so that the
// button beneath keeps its clicks and moves while the twin shows.  The
// window's hover key decides when a twin shows.

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace Modulo {

// The pointer of mouse-pointer value 99: the hand CURSORMAO of the picture
// set (32 x 32, hot spot at the fingertip, 5, 0), or the desktop's pointing
// hand when the program carries no pictures.
QCursor CursorMao();
// A mouse-pointer value as a cursor: 0 the default arrow, 99 the hand, 11 the
// hourglass, other values the nearest Qt shape.
QCursor CursorDoPonteiro(int ponteiro);

// Button and shift values of the design's mouse events.
int BotaoVB(Qt::MouseButtons botoes);
int ShiftVB(Qt::KeyboardModifiers modificadores);

// The font of the windows' captions and boxes (Liberation Sans, falling back
// to DejaVu Sans) at a size in pixels.
QFont FonteJanela(int pixels = 11, bool negrito = false);

}  // namespace Modulo

// A label that raises the design's mouse events (Click, DblClick,
// MouseDown, MouseUp, MouseMove) and keeps the design's Tag: the common part
// of Imagem and Rotulo.
class RotuloEventos : public QLabel {
    Q_OBJECT
public:
    explicit RotuloEventos(QWidget* parent = nullptr);

    QString Tag() const { return property("Tag").toString(); }
    void SetTag(const QString& t) { setProperty("Tag", t); }

Q_SIGNALS:
    void Click();
    void DblClick();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    bool m_pressionado = false;
    bool m_duplo = false;
};

class Imagem : public RotuloEventos {
    Q_OBJECT
public:
    explicit Imagem(QWidget* parent = nullptr, const QString& nome = {});

    QPixmap Picture() const { return pixmap(); }
    // Loads a picture: not stretched, the control takes the picture's size;
    // a null picture empties the control and keeps its size.
    void SetPicture(const QPixmap& picture);

    int MousePointer() const { return m_ponteiro; }
    void SetMousePointer(int ponteiro);

private:
    int m_ponteiro = 0;
};

class CaixaImagem : public QFrame {
    Q_OBJECT
public:
    explicit CaixaImagem(QWidget* parent = nullptr, const QString& nome = {});

    const QPixmap& Picture() const { return m_picture; }
    // Shows a picture at the top-left corner; the box keeps its size.  A null
    // picture shows the background colour alone.
    void SetPicture(const QPixmap& picture);
    // Background colour &HBBGGRR.
    void SetBackColor(long bgr);
    // 0 none, 1 fixed single (a line round the box, children inside it).
    int BorderStyle() const { return m_borda; }
    void SetBorderStyle(int estilo);

    QString Tag() const { return property("Tag").toString(); }
    void SetTag(const QString& t) { setProperty("Tag", t); }
    void SetMousePointer(int ponteiro);

Q_SIGNALS:
    void Click();
    void DblClick();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void GotFocus();
    void LostFocus();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    QPixmap m_picture;
    int m_borda = 0;
    bool m_pressionado = false;
    bool m_duplo = false;
};

class Rotulo : public RotuloEventos {
    Q_OBJECT
public:
    explicit Rotulo(QWidget* parent = nullptr, const QString& nome = {}, bool autoSize = false);

    // Sets the caption; an AutoSize label then fits its size to it.  (Hides
    // QLabel::setText, so that every caption set through a Rotulo fits.)
    void setText(const QString& texto);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on);
    // Text colour &HBBGGRR (also kept in the dynamic property "ForeColor").
    void SetForeColor(long bgr);
    long ForeColor() const;
    // Background: transparent (0) or the colour &HBBGGRR (1, opaque).
    void SetBackStyle(int estilo);
    void SetBackColor(long bgr);

    void SetMousePointer(int ponteiro);

private:
    void ajusta();
    bool m_autoSize = false;
};

class CaixaTexto : public QLineEdit {
    Q_OBJECT
public:
    explicit CaixaTexto(QWidget* parent = nullptr, const QString& nome = {});

    QString Tag() const { return property("Tag").toString(); }
    void SetTag(const QString& t) { setProperty("Tag", t); }

Q_SIGNALS:
    void GotFocus();
    void LostFocus();
    void MouseMove(int Button, int Shift, float X, float Y);
    // A typed character, Enter (13), Esc (27) or Backspace (8), before the box
    // takes it; setting KeyAscii to 0 swallows it.  Connect directly.
    void KeyPress(int& KeyAscii);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class Linha : public QWidget {
    Q_OBJECT
public:
    explicit Linha(QWidget* parent = nullptr, const QString& nome = {});
    // Places the line from (X1, Y1) to (X2, Y2) in the container's pixels.
    void SetPontos(int X1, int Y1, int X2, int Y2);
    int X1() const { return m_x1; }
    int Y1() const { return m_y1; }
    int X2() const { return m_x2; }
    int Y2() const { return m_y2; }
    void SetBorderColor(long bgr);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QColor m_cor;
};

class Forma : public QWidget {
    Q_OBJECT
public:
    explicit Forma(QWidget* parent = nullptr, const QString& nome = {});
    void SetBorderColor(long bgr);
    void SetBorderWidth(int pixels);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor m_cor;
    int m_largura = 1;
};

namespace Modulo {

// An image button and its highlighted twin.
struct BotaoImagem {
    Imagem* botao = nullptr;
    Imagem* destaque = nullptr;
};

// Makes the button `nome` and its twin (`nomeDestaque`, by default `nome`
// followed by "Selecionada") in `pai`: the twin hidden, transparent to the
// mouse, above the button; both with the hand pointer.
BotaoImagem CriaBotaoImagem(QWidget* pai, const QString& nome, const QString& nomeDestaque = {});

// Places a button and its twin at one rectangle (a width or height of 0 or
// less keeps the size).
void MoveBotaoImagem(const BotaoImagem& b, int left, int top, int width = 0, int height = 0);

}  // namespace Modulo
