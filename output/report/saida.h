#pragma once
// saida - report output: the page model, the report pages and the figure and
// table output run of the detail window, without widgets.
//
// The detail window drives it (output/screen/ registers screen 5 and
// request 6 with frmTQ2; the cart list screen calls ImprimeLista):
//
//   request 5, the action button   GeraFiguraTabela(the part chooser's state)
//   cart list, Print                ImprimeLista(cart recordset)
//   request 6                       ImprimeComparacao(DadosComparacao)
//
// The cart list's Print button (screen 3 of the detail window), as its
// click handler does it: an empty list (its recordset at its end) shows
// text 16 and "." (critical, titled text 19) and prints nothing; otherwise
//
//   saida::Saida saida;                       // print mode, no window needed
//   saida.ImprimeLista(janela.dtcTHGrid1->Recordset());
//
// ImprimeLista opens the print dialog (platform/desktop/printdialog.h), prints
// the rows of a clone of the recordset (the list's current row stays) in
// portrait, page header from 700 layout units down on every page, and shows
// its own errors in the error box; a cancelled dialog prints nothing and
// says nothing.  The Saida may be a local: the job ends inside the call.
//
// Every output is one job: IniciaSaida sets up a surface (the printer picked
// in the print dialog for mode "P"; the 840 x 630 page canvas for modes "G"
// and "E", whose pages become greyscale JPEG files), the layouts draw through
// the surface's members (superficie.h), the page header alone starts new
// pages (NovaPagina), and FinalizaSaida ends the document.  Every page header
// carries the catalogue's issue date text Modulo::gTextoDataEmissao.
//
// Units: layouts place everything in layout units; the surface receives
// them multiplied by mEscalaSaida.  On paper a layout unit is 4 twips (1/360
// inch): mEscalaSaida = dpi / 360, margins 200 and 150.  On the canvas it is
// 0.25 pixel: mEscalaSaida = 0.25, margins 20 and 8; a page is 3360 x 2520
// units.
//
// Errors: the report pages (figure, table, kit and note sections) show their
// own errors in the error box and return, and the run goes on; the run, the
// cart list and the comparison printouts show the error box and stop, and
// the printer job they opened is dropped, never half printed.  A file or
// device error (ErroDispositivo: a page file that cannot be written, a
// printer that fails, a PDF file that cannot be written whole) is no page's
// own: it passes the pages and stops the output at once, with one box, no
// success message and none of the run's temporary files left (AbortaSaida);
// a PDF file is written whole or not at all, an older file of its name kept
// (superficieimpressora.h).  Message boxes go through
// platform/desktop/messagebox.h, the print dialog through
// platform/desktop/printdialog.h, the save dialog through savedialog.h (its
// first folder platform::saveDialogFolder(): the Desktop, else home), the
// mail program through mail.h; the progress label, the window's enabled
// state and the clock through Ambiente.

#include "detailwindow/escolhasaida.h"
#include "output/report/arquivos.h"
#include "output/report/superficie.h"
#include "platform/dao/dao.h"
#include "platform/desktop/savedialog.h"

#include <QDateTime>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace saida {

class SuperficieTela;

// What the output needs of its window: the default does without one (the
// cart list and comparison printouts, tests, tools).
class Ambiente {
public:
    virtual ~Ambiente() = default;
    // The caption of the progress label of the file modes, repainted at once.
    virtual void MostraStatus(const QString& texto) { (void)texto; }
    // Disables the window for the length of a run, and enables it again.
    virtual void HabilitaJanela(bool habilitada) { (void)habilitada; }
    // The parent of the save dialog.
    virtual QWidget* JanelaDialogos() const { return nullptr; }
    // The present moment (file names).
    virtual QDateTime Agora() const { return QDateTime::currentDateTime(); }
};

// The parts of an assembly's figure, ordered by NumeroParte, none selected
// (the query of the output options screen, on the catalogue database); a
// Null description is empty.
std::vector<ParteFiguraSaida> ObtemPartesFigura(long sCodigoPeca);

// The screen's preset for request 5 (the part chooser's state that the
// detail window shows): the parts of the figure; the figure ticked unless
// sOpcoes is exactly "T", the table unless it is exactly "F"; the part at
// position sParteFigura selected, every part for 255; painting off.
void PreparaEscolha(EscolhaSaida& escolha, long sCodigoPeca, const QString& sOpcoes, int sParteFigura);

// What the comparison printout reads of the main window's comparison screen.
struct DadosComparacao {
    platform::dao::RecordsetPtr Linhas;  // the grid's recordset (cloned here)
    QString Filtro;                      // pctExibirComparacao.Tag
    QString SubTitulo;                   // lblSubTitulo caption
    QString NumeroPeca1;                 // lblNumeroEmpresaPeca(0) caption
    QString NumeroPeca2;                 // lblNumeroEmpresaPeca(1) caption
};

class Saida {
public:
    // Without an Ambiente: no window (progress and enabling go nowhere).
    Saida();
    explicit Saida(Ambiente& ambiente);
    ~Saida();
    Saida(const Saida&) = delete;
    Saida& operator=(const Saida&) = delete;

    // --- what the window sets -------------------------------------------
    QString mModoSaida = QStringLiteral("P");  // "P" print, "G" file, "E" e-mail
    QString NomeFonte = QStringLiteral("Liberation Sans");  // pctTela(5)'s font face
    long CodigoPecaSaida = 0;          // pctTela(5).Tag: the assembly of the title line
    bool UnicoArquivoCompactado = false;  // the compressed-file box is ticked
    QString PrefixoStatus;             // lblStatusGerandoArquivo.Tag

    // Makes the surface of mode "P" after the print dialog, from the
    // printer's resolution, in place of the printer (tests record with it).
    std::function<std::unique_ptr<Superficie>(int dpi)> FabricaSuperficieImpressora;
    // The same for the page canvas of the file modes (the pages are then
    // written as white pages; the benchmark records the run with it).
    std::function<std::unique_ptr<Superficie>()> FabricaSuperficieTela;
    // Writes each page file in place of GravaArquivoPagina (arquivos.h),
    // with its contract: 0 or errno (tests make pages fail with it).
    std::function<int(const QString& arquivo, const QByteArray& bytes)> GravadorPagina;
    // Writes the PDF file of mode "P" printed to a file, in place of
    // platform::WriteFileAtomically, with its contract (superficieimpressora.h).
    std::function<int(const QString& arquivo, const QByteArray& bytes)> GravadorDocumento;

    // --- the output state (read it; the routines below write it) -------
    Superficie* mDispositivoSaida = nullptr;
    double mEscalaSaida = 1.0;
    int mMargemEsquerda = 0;
    int mMargemSuperior = 0;
    QString mCabecalhoPagina;          // "" until the first page header
    QString ArquivoBase() const { return m_arquivoBase; }          // the canvas Tag: page 1's path
    int ContadorPaginas() const { return m_contadorPaginas; }      // pages of the canvas
    QString ArquivoCompactado() const { return m_arquivoCompactado; }  // the box's Tag
    QString ArquivoAceito() const { return m_arquivoAceito; }      // path accepted in the save dialog

    // --- the page model ---------------------------------------------------
    // Sets up the surface of mModoSaida (orientation 1 portrait, 2
    // landscape).  The files of mode "E" and the pages of an archive go to a
    // folder made afresh for the job in the user's temporary folder, so two
    // outputs of the same second never share a file.  sOk is false when a
    // dialog was cancelled (nothing shown) or an error was shown in the error
    // box.  An earlier job still open is ended first.
    void IniciaSaida(int sOrientacao, bool& sOk);
    // The same setup on a given surface, as the printer (scale from its
    // resolution, margins 200 and 150) or as the page canvas; for tests and
    // the benchmark.  As the printer, `area` is the printable area in device
    // units; empty, that of an A4 landscape sheet of the PDF printer (10
    // points of margin on every side) at the surface's resolution.
    void IniciaSaidaEm(std::unique_ptr<Superficie> superficie, bool comoImpressora, QSizeF area = {});
    void NovaPagina();
    long NumeroPagina() const;
    void FinalizaSaida();
    // Drops the job after a failure: the printer prints nothing; the run's
    // temporary files go (the pages of a compressed file, the files of mode
    // "E" not yet handed to the mail program, with their folders); pages
    // written to the user's own folder in mode "G" stay.
    void AbortaSaida();
    // The canvas as a greyscale JPEG file (quality 85) at sArquivo, replacing
    // what has that name (GravaArquivoPagina); a failure raises
    // ErroDispositivo with the error number of the errno (NumeroErroArquivo).
    void SalvaPaginaJpg(const QString& sArquivo);
    void AtualizaStatusGeracao(int sTotal, int sFeitos);
    // The canvas of the file modes (made on first use, then reused).
    SuperficieTela& Tela();

    // --- files --------------------------------------------------------------
    QString MontaNomeArquivo(const QString& sTipo) const;
    // Prepares the save dialog's request for files of sTipo: title, first
    // folder (platform::saveDialogFolder()) and the type's filter (the filter
    // follows every call's type).
    void ConfiguraDialogoArquivo(const QString& sTipo);
    const platform::SaveFileRequest& DialogoArquivo() const { return m_dialogo; }

    // --- report pages ---------------------------------------------------
    void ImprimeCabecalho(const QString& sTitulo, const QString& sSubTitulo, int sLinha);
    void ImprimeFigura(long sCodigoPeca, int sNumeroParte);
    void ImprimeTabela(long sCodigoPeca, int sNumeroParte, QString& ListaJogos, QString& ListaObs, bool& sImpresso);
    QString ObtemReferenciasCruzadas(const QString& sNumeroEmpresa, long sCodigoFabricante) const;
    void ImprimeJogosReparo(long sCodigoPeca, const QString& ListaJogos);
    void ImprimeObservacoes(long sCodigoPeca, const QString& ListaObs);
    // The cart list and the comparison, portrait, each a job of its own in
    // print mode.  ImprimeLista reads the fields NumeroEmpresa (formatted),
    // Descricao, Quantidade, DescricaoTipo and Opcional (" " marks an
    // optional item) of a clone of `lista`, in its order; a list without
    // rows ends the document at once (nothing printed), a null recordset
    // shows error 91 in the error box.
    void ImprimeLista(const platform::dao::RecordsetPtr& lista);
    void ImprimeComparacao(const DadosComparacao& dados);

    // --- the run ----------------------------------------------------------
    // The figure and table output run of the output options screen over the
    // part chooser's state (the flags, the parts and their selection), for
    // the assembly CodigoPecaSaida, the compressed file when
    // UnicoArquivoCompactado.  True when it completed (the window then
    // closes); false when it stopped (nothing chosen, a cancelled dialog, an
    // error shown).
    bool GeraFiguraTabela(const EscolhaSaida& escolha);

    // Time spent, for the benchmark: in the database queries of the report
    // pages, in the JPEG encoder and in writing page files.
    struct Tempos {
        double consultas = 0;
        double codificacao = 0;
        double gravacao = 0;
    };
    const Tempos& TemposGastos() const { return m_tempos; }

private:
    void LimpaEstadoPaginas();
    void ConfiguraSuperficie(bool comoImpressora);
    void EncerraTrabalhoAnterior();
    QStringList PaginasGravadas() const;
    void Compacta();
    void Envia();
    void MostraFalha(long numero, const QString& descricao) const;
    // The error box of a report page that caught `e`, called in its handler;
    // a device error (ErroDispositivo) is rethrown instead.
    void FalhaPagina(const platform::Error& e) const;
    // The file name of the pages of an archive at `nome`: its base name and
    // ".jpg".
    QString NomePaginasCompactadas(const QString& nome) const;
    // A new, empty folder that only this output uses, with a trailing "/".
    static QString PastaTemporariaPropria();
    // Removes the pages written and the folder of an archive's pages.
    void RemovePaginasTemporarias();
    // Removes the folders of mode "E" and of an archive's pages with all
    // they hold.
    void RemoveArquivosTemporarios();

    // Layout helpers (layout units).
    double U(double unidades) const { return unidades * mEscalaSaida; }
    // One value of a row at its column, x layout units right of the margin.
    // A Numero (kit codes, TQ and cross-reference numbers and lists of them,
    // items, quantities, codes, marks) is printed whole; a Texto
    // (descriptions, headings) may be cut.
    struct Celula {
        enum Tipo { Numero, Texto };
        double x;
        QString texto;
        Tipo tipo = Numero;
    };
    // A row: each value at its column, the last one ending the line, and at
    // least a blank between one value and the next non-empty one.  A text
    // that would run into the next value is cut between characters and
    // ends with the mark "…"; the last value is not cut.  A whole value that
    // leaves less than a blank before the next value's column moves the
    // values after it: the next one starts a blank after its end.  Values
    // that fit stay at their columns.
    //
    // A row laid out so is printed on one line when it ends inside the
    // drawable area (the printable area on paper, the canvas).  Otherwise it
    // continues on further lines, within the page's width less a right
    // margin as wide as the left one: a list of numbers (" / " or ", "
    // between them) goes on under the column where it starts, broken after
    // a separator, within its column (up to a blank before the next value)
    // or, the last value, up to that margin; the last text goes on broken
    // at blanks.  A value holding a number or word wider than that room
    // takes the room up to the margin, over the next columns, as a whole
    // value does (the values after it move right); only a number or word
    // wider than the rest of the page is broken between characters.  A
    // value that a wide one before it pushed past the page starts at its
    // column on a line of its own below the rest.  Nothing is left out; the
    // values after a continued one keep clear of all of its lines.
    //
    // `antesDaContinuacao` is called before each further line (a page break
    // goes there); a row that fits calls it never.
    struct LinhaDisposta {
        std::vector<std::pair<double, QString>> textos;  // x (device units) and text, left to right
    };
    std::vector<LinhaDisposta> DispoeLinha(const std::vector<Celula>& celulas);
    void ImprimeDisposta(const std::vector<LinhaDisposta>& linhas, const std::function<void()>& antesDaContinuacao = {});
    void ImprimeLinha(const std::vector<Celula>& celulas, const std::function<void()>& antesDaContinuacao = {})
    {
        ImprimeDisposta(DispoeLinha(celulas), antesDaContinuacao);
    }
    // A table's column titles: 10 points, bold and italic, a little below
    // what precedes them; the font is plain again afterwards.
    void ImprimeTitulos(const std::vector<Celula>& titulos);
    // Whether `linhas` lines of the current font, the first one `desce`
    // layout units further down, all begin at most `limiar` layout units
    // down the page (where a row's first line may begin): the test that
    // keeps a continued row on one page when it fits there.
    bool CabeAte(double limiar, std::size_t linhas, double desce);
    // A row of a list under its page rule: `cabecalho` (a new page's header
    // and the headings) comes before the first row (`primeira`, cleared
    // here), before a row when the position is past `limiar` layout units,
    // and before a row of several lines that would not all begin by then;
    // then 20 units down and the row.  A row longer than a page goes on on
    // a new page, under the header and headings, 20 units down.
    void ImprimeLinhaPaginada(const std::vector<Celula>& celulas, bool& primeira, double limiar,
                              const std::function<void()>& cabecalho);
    // What comes before a further line of a continued row (the
    // `antesDaContinuacao` above): past `limiar` layout units down the page,
    // `cabecalho` (a new page's header and headings), then 20 units down.
    std::function<void()> QuebraContinuacao(double limiar, std::function<void()> cabecalho);
    void Desce(double unidades);
    // Opens a forward-only recordset on the catalogue, timing it.
    platform::dao::RecordsetPtr Consulta(const QString& sql);
    QVariant Valor(const QString& sql, const QVariant& padrao);
    QString Lista(const QString& sql, const QString& separador);

    Ambiente m_semJanela;
    Ambiente& m_ambiente;
    std::unique_ptr<Superficie> m_superficie;  // the printer or a test surface
    std::unique_ptr<SuperficieTela> m_tela;
    bool m_impressora = true;
    QSizeF m_areaImpressora;           // the printer's printable area, device units
    double m_larguraArea = 0;          // the drawable width of the surface in use
    bool m_paginaIniciada = false;
    bool m_trabalhoAberto = false;
    QString m_arquivoBase;
    int m_contadorPaginas = 1;
    QString m_arquivoCompactado;
    QString m_pastaPaginas;            // the folder of an archive's pages
    QString m_pastaEnvio;              // mode "E": the folder of the files to mail
    QString m_arquivoAceito;
    platform::SaveFileRequest m_dialogo;
    Tempos m_tempos;
};

// A number as the run time prints it: a blank in the sign position of a
// positive number ("12" gives " 12", "-3" stays "-3").
QString TextoNumero(const QVariant& valor);

}  // namespace saida
