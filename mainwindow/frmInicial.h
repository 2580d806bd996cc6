#pragma once
// frmInicial: the catalogue program's start window.
//
// Form_Load checks that the launcher started the program (the start word),
// reads the configuration and the data folder ("Caminho.txt") and shows one
// 800 x 600 picture with three language choices.  A click on a language runs
// the start-up sequence (IniciaDazadize): the catalogue read-only for the
// run, the auxiliary database and the run's cart table, the part-type table
// when missing (after the run's databases, so that a failed start writes
// nothing into the catalogue), the detail window loaded once with the empty
// request, then the main window frmTQ1 at the start window's place; the start
// window then unloads.
//
// Failures end the program with a non-zero exit code after a box: the start
// word (error -3, text 97), the load (the box of text 21, the number and the
// description; for example a "Caminho.txt" that names a missing folder,
// error 76), and the start-up sequence (a missing, locked or damaged
// database, a file that is not a catalogue (error 3049, nothing written to
// it), no cart table: the error box; whatever was opened is closed and a
// cart table made is dropped).  Nothing is left half-open.

#include "core/controles.h"

#include <QString>
#include <QWidget>

#include <functional>

class frmTQ1;

class frmInicial : public QWidget {
    Q_OBJECT

public:
    explicit frmInicial(QWidget* parent = nullptr);
    ~frmInicial() override;

    // ---- Controls ----------------------------------------------------------
    CaixaImagem* pctTela;
    Imagem* imgPortugues;
    Imagem* imgEspanhol;
    Imagem* imgIngles;
    Imagem* imgPortuguesSelecionada;
    Imagem* imgEspanholSelecionada;
    Imagem* imgInglesSelecionada;

    // ---- State -------------------------------------------------------------
    QString mChaveDestaque = QStringLiteral("FORM");
    bool mPrimeiraAtivacao = true;

    // ---- The design's routines ---------------------------------------------
    // Steps 1 to 14 of the load.  False when the program must end; the exit
    // code is then CodigoSaida() (the box has been shown).
    bool Form_Load();
    int CodigoSaida() const { return m_codigoSaida; }
    // First activation: borderless and maximised on small screens.
    void Form_Activate();
    // The start-up sequence after a language click ("P", "E" or "I").  On
    // success the main window is shown and this window unloads; on failure
    // the error box, everything closed, and the program ends.  Returns the
    // main window, or nullptr after a failure or when the sequence has
    // already begun (a click while it runs is ignored).
    frmTQ1* IniciaDazadize(const QString& Idioma);
    static QString DefineEdicao();
    void PosObjetosForm();
    void DestacaControle(const QString& Nome);
    QWidget* ObtemControleDestaque(const QString& Nome) const;
    // The placement hand-over of this window (Inicio::PosicaoJanelaInicial).
    QString PosicaoJanelaInicial() const;

    // Tests: the program folder (default: the executable's) and how the
    // program ends after a failure of the start-up sequence (default:
    // QCoreApplication::exit with the code).
    static void setPastaPrograma(const QString& pasta);
    static void setEncerraPrograma(std::function<void(int codigo)> encerra);

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void Falha(int codigo);
    int m_codigoSaida = 0;
    bool m_iniciado = false;  // the main window has taken over
    bool m_iniciando = false; // a language was clicked: later clicks do nothing
};
