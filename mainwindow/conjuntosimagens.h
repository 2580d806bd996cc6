#pragma once
// The picture sets of the main window's screens (frmTQ1::CarregaImagensTela)
// as data: for each screen code (0 to 9, 100 the frame) the ordered steps
// that give its controls their pictures in the current language and edition,
// and the position and visibility changes that set editions D and M apart.
//
// Passos() turns the tables into the concrete steps for one call (mode,
// screen, edition, language, presentation page, comparison); the window
// applies them in order.  A picture step names the loader's arguments: the
// name as the set asks for it (the loader applies the edition rule for
// "GRIDNROTQ"), the type ("" for the current language, else "G", "P" or
// "I"), and `direto` for the two frame pictures of edition D that bypass the
// screen loader.  Release mode ("D") gives the same picture steps with the
// loader called in release mode; the frame's changes are load only.

#include <QString>

#include <vector>

namespace ConjuntosImagens {

struct Passo {
    enum Acao { Imagem, Mover, Esquerda, Visivel };
    Acao acao = Imagem;
    QString controle;
    int indice = -1;
    // Imagem
    QString nome;
    QString tipo;         // "" language, "G", "P", "I"
    bool direto = false;
    // Mover (Left, Top), Esquerda (Left), Visivel (x != 0)
    int x = 0;
    int y = 0;
};

struct Contexto {
    QString modo;                  // "C" load, "D" release
    int codigoTela = 0;            // 0..9, 100
    QString edicao;                // gEdicao
    QString idioma;                // gIdioma
    QString pagina;                // pctTela(6).Tag, read by set 6
    long codigoPecaComparacao = -1;
};

// The steps of one call; none for a screen code outside 0..9 and 100.
std::vector<Passo> Passos(const Contexto& c);

}  // namespace ConjuntosImagens
