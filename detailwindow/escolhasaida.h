#pragma once
// The choices of the output options screen (screen 5 of the detail window),
// without widgets: whether the figure and the parts table are output, which
// parts (pages) of the figure, and the painting mode of the part chooser.
//
// This state is the meeting point of the detail window and report output.
// Report output's ExibeTelaSaida fills it before the user acts (both flags
// from the request's content letter, one part per row of the figure's parts
// in part-number order with its description, a Null description as the empty
// text, the requested part or every part selected, mode 0), then asks the
// window to show it (frmTQ2::ExibeEscolhaSaida).  From then on only the
// handlers below change it; the window's view calls them for the clicks and
// moves on its controls and mirrors the result.  The output run reads the
// flags and the selected parts.
//
// Painting: a click on a part toggles it and starts painting in the mode of
// that toggle (1 selecting after a selection, 2 deselecting after a
// deselection); every part the mouse then enters, with or without a button
// held, is selected (mode 1) or deselected (mode 2); a double click ends
// painting (the part keeps the toggle of its first click).  Entering means
// the window's hover key changes to the part's key: moving within one part
// does not repaint it; leaving it for another control and coming back does.
//
// The part grid: part i stands in a grid of ten columns anchored at part 0,
// 40 pixels apart across and 35 down; its selection frame 4 pixels left of
// and above it.

#include <QPoint>
#include <QString>

#include <cstdint>
#include <vector>

struct ParteFiguraSaida {
    int NumeroParte = 0;     // PARTESFIGURA.NumeroParte
    QString Descricao;       // empty for a Null description
    bool Selecionada = false;
};

class EscolhaSaida {
public:
    // Painting modes.
    static constexpr std::uint8_t kSemPintura = 0;
    static constexpr std::uint8_t kSelecionando = 1;
    static constexpr std::uint8_t kDesmarcando = 2;

    bool Figura = true;      // imgChkFigura.Tag = "1"
    bool Tabela = true;      // imgChkTabela.Tag = "1"
    std::vector<ParteFiguraSaida> Partes;
    std::uint8_t ModoSelecaoPartes = kSemPintura;

    // Option toggles (the label picture or either box picture).
    void imgChkFigura_Click() { Figura = !Figura; }
    void imgChkTabela_Click() { Tabela = !Tabela; }

    // Toggles part i and starts painting.  An index outside the parts does
    // nothing.
    void imgParteFigura_Click(int i);
    // Ends painting.
    void imgParteFigura_DblClick(int i);
    // The mouse moves over part i while the window's hover key is
    // chaveDestaque.  Returns false, changing nothing, when that key is
    // already the part's (ChaveParte(i)); otherwise paints the part in the
    // current mode and returns true: the caller then moves the hover key to
    // the part and shows its description.
    bool imgParteFigura_MouseMove(int i, const QString& chaveDestaque);

    // "PARTEFIGURA" followed by i in decimal.
    static QString ChaveParte(int i);
    // Indexes of the selected parts, in order.
    std::vector<int> PartesSelecionadas() const;

    // Top left of part i and of its frame, given part 0's place.
    static QPoint PosicaoParte(int i, QPoint parte0);
    static QPoint PosicaoQuadro(int i, QPoint parte0);
};
