#pragma once
// THBarra: a row of column labels, divider lines and icons over a
// background colour: the current-row bar of THGrid (pctTHGrid) and the face
// of THCombo.  The labels (lblTHGrid) and lines (linTHGrid) are drawn by the
// bar; the icons (imgSelecionado) and their highlighted twins
// (imgSelecionado2) are pictures above it.  Element 0 of each array always
// exists; further elements are loaded and unloaded like the design's control
// arrays.  Positions are twips relative to the bar.

#include "listcontrols/thwidgets.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <vector>

class THBarra : public QWidget {
    Q_OBJECT
public:
    struct Rotulo {
        bool visivel = false;
        int esquerdaTwips = 0;
        int topoTwips = 0;
        int larguraTwips = 0;
        int alturaTwips = 0;
        int alinhamento = 0;      // 0 left, 1 right, 2 centre
        QString tag;
        QString caption;
        QColor cor = Qt::black;
        bool italico = false;
    };
    struct Linha {
        bool visivel = false;
        int x1Twips = 0;
        int x2Twips = 0;
        int y1Twips = 0;
        int y2Twips = 0;
        QColor cor = QColor(0xC0, 0xC0, 0xC0);
    };

    explicit THBarra(QWidget* parent = nullptr);

    void setCorFundo(const QColor& c);
    QColor corFundo() const { return m_fundo; }
    void setFonteRotulos(const QFont& f) { m_fonte = f; update(); }

    // Control arrays.  rotulo(i), linha(i), icone(i) and icone2(i) raise 340
    // for an element that is not loaded.
    int ultimoRotulo() const { return static_cast<int>(m_rotulos.size()) - 1; }
    int ultimaLinha() const { return static_cast<int>(m_linhas.size()) - 1; }
    int ultimoIcone() const { return static_cast<int>(m_icones.size()) - 1; }
    Rotulo& rotulo(int i);
    const Rotulo& rotulo(int i) const;
    Linha& linha(int i);
    const Linha& linha(int i) const;
    THPicture* icone(int i) const;
    THPicture* icone2(int i) const;

    // Loads element i (i must be the next one; loading a loaded one raises
    // 360); the new element starts as a hidden copy of element 0.
    void carregaRotulo(int i);
    void carregaLinha(int i);
    void carregaIcone(int i);   // loads imgSelecionado(i) and imgSelecionado2(i)
    // Unloads elements 1 and up and hides element 0.
    void descarregaRotulos();
    void descarregaLinhas();
    void descarregaIcones();

    // The bar icon's place in twips.
    void posicionaIcone(THPicture* icone, int esquerdaTwips, int topoTwips);

Q_SIGNALS:
    // Mouse over the bar itself or a label: x, y in the bar, label index or -1.
    void mouseMovido(int botao, int shift, float x, float y, int rotulo);
    void clicado();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    THPicture* novoIcone(bool twin);

    QColor m_fundo;
    QFont m_fonte;
    std::vector<Rotulo> m_rotulos;
    std::vector<Linha> m_linhas;
    std::vector<THPicture*> m_icones;
    std::vector<THPicture*> m_icones2;
    bool m_pressionado = false;
};

// Arial 9 pt of the labels and grid; MS Sans Serif 12 pt of the empty caption.
QFont FonteArial9();
QFont FonteSansSerif12();
