#pragma once
// Window, position and mouse-wheel-target routines of the shared module, and
// the opener of attachments.
//
// Geometry is in logical pixels; twips are a fixed 15 per pixel (gTwipsX and
// gTwipsY).  The mouse-wheel target names the control that the wheel scrolls;
// the main window's wheel router reads it.  The controls behind the keys
// belong to the windows that own them: each window registers its controls
// under their keys when it loads (RegistraControleRoda); a destroyed control
// drops out by itself.
//
// Keys (compared exactly, case matters) and what they stand for:
//   "CAT_GRID1"  main window's result list       scrolls itself, 4 rows a notch
//   "CAT_COMBO1" main window's first drop-down   scrolls itself, 4 rows a notch
//   "CAT_COMBO2" main window's kit drop-down     scrolls itself, 4 rows a notch
//   "TEL_GRID1"  detail window's list            scrolls itself, 4 rows a notch
//   "CAT_FIGURA" main window's figure screen     no scroll object, one step
//   "CAT_SUGEST" buying-suggestion panel         no scroll object, one step
//   ""           none

#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

namespace Modulo {

// Twips per pixel of the two axes.
extern int gTwipsX;
extern int gTwipsY;

// Pixels to twips on an axis: "X", "L", "LEFT", "W", "WIDTH" (horizontal) or
// "Y", "T", "TOP", "H", "HEIGHT" (vertical), trimmed and in any letter case.
// Raises platform::Error 6 (overflow) past the 32-bit range.  An unknown axis
// counts as horizontal.
long PixelsParaTwips(long pixels, const QString& eixo);

// The position of `controle` relative to its window: its own position plus
// the positions of its containers up to the window, plus 1 for each container
// drawn with a single fixed border (a container whose dynamic property
// "BorderStyle" is 1: its children are placed inside that border).  Raises
// platform::Error 6 when a sum leaves the 16-bit range.
void ObtemPosicaoNoForm(const QWidget* controle, int& esquerda, int& topo);

// Changes a window's border style at run time: 0 none (a frameless window),
// 1 fixed single, 2 sizable, 3 fixed dialog, 4 fixed tool window, 5 sizable
// tool window; the flags add the window's buttons.  The window keeps its
// geometry and visibility.  The style is kept in the window's dynamic
// property "BorderStyle".  Reports nothing.
void AlteraBordaForm(QWidget* form, int estilo, bool recortaControles, bool caixaControle, bool botaoMaximizar,
                     bool botaoMinimizar, bool botaoBarraTarefas, bool botaoAjuda);

// The screen the windows size themselves for: the primary screen's size in
// pixels, and the height of a window caption (the system's caption metric;
// 18 pixels, as nothing tells it on this desktop).  Tests inject both; an
// invalid size or a negative height restores the real values.
QSize TamanhoTela();
int AlturaLegenda();
void DefineTamanhoTela(QSize tamanho);
void DefineAlturaLegenda(int altura);
inline constexpr int kAlturaLegendaPadrao = 18;

// The screen's mouse pointer (the run time's Screen.MousePointer): the
// hourglass is the application's override cursor.  The hourglass doubles as
// the busy flag of the user-interface thread: while it shows, the main
// window ignores its navigation keys.  Setting 0 removes every override.
inline constexpr int vbDefault = 0;
inline constexpr int vbHourglass = 11;
void DefinePonteiroTela(int ponteiro);
int PonteiroTela();

// The hourglass for the length of a block (an action of the windows), the
// default pointer after it, also when the block raises.
class Ampulheta {
public:
    Ampulheta() { DefinePonteiroTela(vbHourglass); }
    ~Ampulheta() { DefinePonteiroTela(vbDefault); }
    Ampulheta(const Ampulheta&) = delete;
    Ampulheta& operator=(const Ampulheta&) = delete;
};

// The mouse-wheel hook is enabled for the run (NW.txt not "1").
extern bool gRodaAtiva;
// The window whose wheel events the hook receives (the main window, or the
// detail window while it is open).
extern QPointer<QWidget> gFormRoda;
// The current wheel target: its key, the control under the wheel, the list
// or drop-down to scroll (null for the picture targets) and the kind (rows a
// notch for lists, 1 for the pictures, 0 for none).
extern QString gAlvoRodaNome;
extern QPointer<QWidget> gAlvoRoda;
extern QPointer<QWidget> gAlvoRodaGrid;
extern int gAlvoRodaTipo;

// Registers the control that stands behind a wheel-target key (a window does
// this for its own controls when it loads).  A key outside the table above is
// ignored.  Registering again replaces the control.
void RegistraControleRoda(const QString& chave, QWidget* controle);

// Makes `chave` the wheel target.  Does nothing while the hook is disabled or
// when the key is already the target; the empty key clears the target.  A
// key whose control is not registered (or was destroyed) sets the key with no
// control, so the router clears it at its next look.
void DefineAlvoRoda(const QString& chave);

// Whether the mouse pointer lies over the window or control `janela`: its
// rectangle in screen coordinates contains the point, the left and top edges
// inside, the right and bottom edges outside.  Windows lying above it are not
// considered.  False for a null widget.
bool CursorSobreJanela(const QWidget* janela);
bool CursorSobreJanela(const QWidget* janela, QPoint ponteiro);

// Result of AbreArquivoAssociado for a file it refuses to open: outside the
// data folder, or a program, script or desktop entry.
inline constexpr int kAberturaNegada = 5;

// Opens a document with the program the desktop associates with its type,
// under the hourglass.  Only files inside the data folder whose type (read
// from the content and the name, never from the executable bit) is not a
// program, a script or a desktop entry are handed on; others give result 5.
// A failure shows a critical box titled with text 19: "Erro ao Abrir o
// Arquivo " and the quoted path, an empty line, "Erro Nº: (n)" and the reason
// of the result.  Never raises; the pointer is always restored.  Returns the
// opener's result (above 32 on success).
int AbreArquivoAssociado(const QString& caminho);

// The reason shown for an opener result of 32 or less.
QString RazaoFalhaAbertura(int resultado);

// The box AbreArquivoAssociado shows when opening `caminho` failed with
// `resultado` (for callers that refuse a file before handing it on).
void MostraFalhaAbertura(const QString& caminho, int resultado);

}  // namespace Modulo
