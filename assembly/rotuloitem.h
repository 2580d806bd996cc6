#pragma once
// The figure's item labels (lblItem(n)): light widgets laid over the drawing,
// each showing its caption in Liberation Sans 11 px, sized to the caption,
// with a text colour, bold and italic, and a transparent or opaque (&HF2DFAC)
// background; they report the mouse moving over them and a button released
// over them, with their index, to their listener (no connection per label,
// so a figure of a thousand labels is built quickly).
//
// Also the helpers that read and write a design colour (&HBBGGRR) on any
// label of the window, kept in its dynamic property "ForeColor".

#include <QStaticText>
#include <QString>
#include <QWidget>

namespace Conjunto {

// What a label reports: the mouse moving over it, a button released over it
// (1 left, 2 right, 4 middle).  One listener serves every label of a figure.
class OuvinteRotulo {
public:
    virtual ~OuvinteRotulo() = default;
    virtual void RotuloMouseMove(int indice) = 0;
    virtual void RotuloMouseUp(int indice, int botao) = 0;
};

class RotuloItem : public QWidget {
    Q_OBJECT
public:
    RotuloItem(int indice, const QString& caption, QWidget* parent, OuvinteRotulo* ouvinte = nullptr);
    // A hidden label used again: index and caption as given, every other
    // state as a new label has it.
    void Reinicia(int indice, const QString& caption);

    int Indice() const { return m_indice; }
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    long ForeColor() const { return m_foreColor; }
    void SetForeColor(long bgr);
    bool FontBold() const { return m_bold; }
    void SetFontBold(bool b);
    bool FontItalic() const { return m_italic; }
    void SetFontItalic(bool i);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return m_backStyle; }
    void SetBackStyle(int s);
    // The style state (EstiloItem); RestauraEstiloItem applies it.
    int EstiloItem = 0;

    // The label font with this label's bold and italic.
    QFont Fonte() const;
    // Width of a text in a label font (the hover frame's measure).
    static int LarguraTexto(const QString& texto, bool negrito, bool italico);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void AjustaTamanho();

    int m_indice;
    OuvinteRotulo* m_ouvinte;
    QString m_caption;
    QStaticText m_texto;
    long m_foreColor = 0;
    bool m_bold = false;
    bool m_italic = false;
    int m_backStyle = 0;
};

// The design colour of a label (property "ForeColor", 0 when never set).
long CorTexto(const QWidget* w);
// Sets the label's text colour and remembers the design value.
void DefineCorTexto(QWidget* w, long bgr);

}  // namespace Conjunto
