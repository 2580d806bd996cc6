#pragma once
// The fixed layout of the main window (frmTQ1::PosObjetosForm) as data: the
// rectangle of every control in its container, in pixels, the end points of
// its lines, and the places of the start screen's buttons by edition.  The
// layout is drawn for a client area of 800 x 600; nothing depends on the size
// of the window or of the screen.

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

namespace PosicoesTQ1 {

// A control's rectangle: Left, Top, Width, Height in its container.  A width
// or height of -1 is not set (the control keeps it).
struct Retangulo {
    QString controle;
    int indice = -1;  // index in its control array, -1 for a single control
    int left = 0, top = 0, width = -1, height = -1;
};

// A line's end points.
struct Pontos {
    QString controle;
    int indice = -1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A start-screen button with its twin and its place per edition (V, A, D,
// M); no place hides the button (its twin is left alone).
struct BotaoInicio {
    QString botao;
    QString destaque;
    std::optional<QPoint> v, a, d, m;
    // The place for an edition letter; the outer optional is empty for an
    // edition the table does not know (the button is left as it is).
    std::optional<std::optional<QPoint>> Lugar(const QString& edicao) const;
};

// Step 3: every control placed unconditionally, arrays expanded.
const std::vector<Retangulo>& Fixas();
const std::vector<Pontos>& Linhas();
// Step 2: the five start-screen buttons.
const std::vector<BotaoInicio>& BotoesInicio();
// Step 1: the four quantity boxes, placed only when a twips-per-pixel
// factor is not 15.
std::vector<Retangulo> CaixasQuantidade();

}  // namespace PosicoesTQ1
