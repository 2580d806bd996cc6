#pragma once
// THGrid: the read-only result list of the catalogue.
//
// It shows the rows of a host's data control in an inner grid (THGridView
// over THGridModel) and draws its own overlay above it: the current-row bar
// (a coloured strip repeating the current row's texts, divider lines and
// icons), one icon per icon column on every visible row (shown by the row's
// flag characters, or always), the hover highlight of the icon under the
// mouse, a background panel below the last row and a caption for an empty
// list.  THCombo's drop-down is a THGrid too.
//
// Host calling order:
//   1. set mUserControlPixelWidth / mUserControlPixelHeight, then place the
//      control (setGeometry); the height snaps to whole 17-pixel rows;
//   2. ObtemDataControl with the data control the list shows (it also binds
//      the DataSource when none is bound);
//   3. ObtemPictures with the icon pictures when the specs have icon columns;
//   4. ConfiguraColunas with the column specs (thcolumns.h); it ends with
//      an AtualizaGrid;
//   5. after every requery or move of the current record done by the host:
//      AnalisarScollProximoRefresh when the row count may change, the data
//      control's Refresh, then AtualizaGrid;
//   6. before other columns: Descarrega, then steps 3 and 4 again.
//
// The current record of the data control's recordset is the grid's current
// row: a click or a key in the grid moves the recordset, and a move of the
// recordset moves the grid (scrolling it into view).
//
// Geometry: the control's public sizes are pixels; positions inside it that
// the members report (divider lines, labels, icons) are twips, 15 per pixel.
//
// Errors are platform::Error with the run time's numbers (therrors.h) or the
// database layer's; a member's error reaches the caller.  Signals are raised
// as the events of the design, with its names and arguments; the mouse
// wheel is not handled here: the window routes it to Scroll.

#include "listcontrols/thcolumns.h"
#include "listcontrols/thgeometry.h"
#include "platform/dao/dao.h"

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class THBarra;
class THGridModel;
class THGridView;
class THPicture;
class QLabel;
class QAbstractItemView;

// Icon pictures handed to ObtemPictures: [0][k] the normal and [1][k] the
// highlighted picture of icon column k.
using THPictures = std::array<std::vector<QPixmap>, 2>;

class THGrid;

// A column of the inner grid (the grid's Columns(index)).
class THGridColumn {
public:
    THGridColumn(THGrid* grid, int index) : m_grid(grid), m_index(index) {}
    int Index() const { return m_index; }
    QString DataField() const;
    void SetDataField(const QString& campo);
    // The text of the current row in this column ("" without a current row).
    QString Text() const;
    // The text of the row with this bookmark (3159 for a foreign bookmark).
    QString CellText(const platform::dao::Bookmark& bookmark) const;
    int Width() const;          // twips
    int Alignment() const;
    int DividerStyle() const;
    bool Visible() const { return true; }

private:
    THGrid* m_grid;
    int m_index;
};

class THGrid : public QWidget {
    Q_OBJECT
    friend class THGridColumn;

public:
    explicit THGrid(QWidget* parent = nullptr);
    ~THGrid() override;

    // ---- Public variables -------------------------------------------------
    // Caption shown when the list has no rows.
    QString mTextGridVazio;
    // Width in pixels applied at every resize; 0 or less keeps the width.
    int mUserControlPixelWidth = 0;
    // Height in pixels applied at every resize, snapped to whole rows.
    int mUserControlPixelHeight = 0;
    // A double click on a row icon repeats the icon click.
    bool mIf_DblClick_Call_Click = false;
    // The hand pointer over the inner grid and the background panel.
    bool mMousePointerHand = false;

    // ---- Members ----------------------------------------------------------
    // Places the control (pixels) and adjusts its size at once, shown or
    // not: the width and height requested by the pixel variables win, and
    // the height snaps to whole rows.  A plain setGeometry works too; a
    // hidden control then adjusts at its next member call.
    void Move(int left, int top, int width, int height);
    // Scrolls the inner grid by sRows rows, one at a time, only while it has
    // its vertical scroll bar; sCols is not used.  sAtualizaGrid redraws.
    void Scroll(long sCols, long sRows, bool sAtualizaGrid = false);
    // The bar's top in pixels, -1 while the bar is hidden.
    int TopPixels_pctTHGrid() const;
    // The data control whose recordset the list reads (13 for none).
    void ObtemDataControl(platform::dao::DataControl* sDataControl);
    // Unloads the configuration: columns and overlay elements.
    void Descarrega();
    // Ends the hover highlight without ImageMouseOut.
    void ApagaSelecao();
    // The next AtualizaGrid re-decides scroll bar, grid width and panel.
    void AnalisarScollProximoRefresh();
    // Pictures for the next ConfiguraColunas (consumed by it).
    void ObtemPictures(const THPictures& sPictures);
    // The control's window (the widget the window's wheel routing tests).
    QWidget* hwnd() { return this; }
    // Redraws the overlay from the inner grid and the recordset; nothing
    // while the columns are not configured.
    void AtualizaGrid();
    // Builds the columns and the overlay from column specs.  Columns from
    // index sApartirIndexNoDividerCol on get no divider by default.
    void ConfiguraColunas(const QStringList& sColunas, int sApartirIndexNoDividerCol = THLayout::TodasComDivisor);

    // Index of the current row among the visible rows, -1 when the current
    // record is not visible.  SetRow makes visible row r current (380 when
    // there is no such row).
    int Row() const;
    void SetRow(int r);
    // 0 none, 1 fixed single (1 pixel each side).
    int BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int sBorderStyle);
    // Bookmark of visible row RowNum (Null when there is no such row).
    platform::dao::Bookmark RowBookmark(int RowNum) const;
    THGridColumn Columns(int index);
    int ColumnCount() const;
    // The data control the inner grid is bound to.
    platform::dao::DataControl* DataSource() const { return m_dataSource; }
    void SetDataSource(platform::dao::DataControl* New_DataSource);
    // Colours &HBBGGRR: the list's background and the bar's colour.
    long BackColor() const { return m_backColor; }
    void SetBackColor(long New_BackColor);
    long BarraColor() const;
    void SetBarraColor(long New_BarraColor);

    // Read-only accessors of the bar, for THCombo's face.  Indexed ones
    // raise 340 for an element that is not loaded.
    int UBound_linTHGrid() const;
    int UBound_lblTHGrid() const;
    int UBound_imgSelecionado() const;
    int UBound_imgSelecionado2() const;
    void Properties_linTHGrid(int sIndex, long& sX1, long& sX2) const;
    void Properties_lblTHGrid(int sIndex, long& sLeft, long& sWidth, int& sAlignment) const;
    void Properties_imgSelecionado(int sIndex, long& sLeft, QPixmap& sPicture, QString& sToolTipText,
                                   int& sMousePointer) const;
    void Properties_imgSelecionado2(int sIndex, long& sLeft, QPixmap& sPicture) const;
    QString Caption_lblTHGrid(int sIndex) const;
    QString Tag_lblTHGrid(int sIndex) const;
    bool Visible_imgSelecionado(int sIndex) const;
    // Raises ImageClick; without a bookmark, the current one.
    void EventImageClick(int sColuna, std::optional<platform::dao::Bookmark> sBookmark = std::nullopt, int sButton = 0);

    // ---- Inner-grid state hosts and helpers read --------------------------
    // The current record's bookmark (Null without one); setting it moves the
    // recordset (3159 for a bookmark of another recordset or an old requery).
    platform::dao::Bookmark Bookmark() const;
    void SetBookmark(const platform::dao::Bookmark& b);
    // Rows shown from the first visible row down to the last record, at most
    // the rows the control has room for.
    int VisibleRows() const;
    // Whole rows the control shows (mLinhas).
    int Linhas() const { return m_linhas; }
    // Vertical scroll bar of the inner grid: 0 none, 2 vertical.
    int ScrollBars() const { return m_scrollBars; }

    // Free text of the host (the design's Tag).
    QString Tag() const { return m_tag; }
    void SetTag(const QString& t) { m_tag = t; }

    // Persisted properties: "Row", "BorderStyle", "BackColor", "BarraColor".
    // Each key is applied on its own; a missing key takes its default, a
    // failing one is skipped.
    void ReadProperties(const QVariantMap& bag);
    QVariantMap WriteProperties() const;

    // ---- For THCombo, the helpers and tests -------------------------------
    QAbstractItemView* innerGrid() const;
    QWidget* fundo() const;          // pctFundo
    THBarra* barra() const { return m_barra; }
    THPicture* rowIcon(int e) const;  // pctNaoSelecionado(e)
    THPicture* hoverPicture(int k) const;  // pctNaoSelecionado2(k)
    QLabel* captionVazio() const { return m_vazio; }
    QString chaveDestaque() const { return m_chaveDestaque; }
    bool colunasConfiguradas() const { return m_colunasConfiguradas; }
    QString tiposColunas() const { return m_tiposColunas; }
    int larguraScrollTwips() const { return m_larguraScroll; }
    int larguraGridPx() const;

Q_SIGNALS:
    void Click();
    void DblClick();
    void MouseMove(int Button, int Shift, float X, float Y);
    void RowColChange(const platform::dao::Bookmark& LastRow, int LastCol);
    void ImageClick(int sColuna, const platform::dao::Bookmark& sBookmark, int sButton);
    void AfterScroll();
    void ImageMouseMove(int sColuna, QWidget* sImage);
    void ImageMouseOut(int sColuna, QWidget* sImage);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct IconeColuna {
        QChar tipo;
        int numeroFlag = -1;
    };

    platform::dao::RecordsetPtr recordset() const;
    int topo() const;
    int linhaAtualModelo() const;
    void PosicionaControles();
    void AjustaTamanho();
    void garanteTamanho();
    void AjustaFoco(const QString& nome);
    void TrocaDestaqueImagem(const QString& chave, bool semEvento);
    void aplicaBackColor(long cor);
    void aplicaScrollBars(int valor);
    void aplicaGeometriaGrid(const QRect& r);
    void limpaConfiguracao();
    QString textoCelula(int linhaModelo, int coluna) const;

    // Inner-grid events.
    void grdScroll();
    void grdRowColChange(const platform::dao::Bookmark& lastRow, int lastCol);
    void grdMouseMove(int botao, int shift, float x, float y);
    void tmrTick();
    void seguirRegistroAtual();
    void recordsetTrocado();
    void registroAtualMudou();
    void cliqueNaImagem(int e);
    void moveNaImagem(int e);

    QWidget* m_cliente = nullptr;       // the client area inside the border
    THGridView* m_grid = nullptr;       // grdTHGrid
    THGridModel* m_model = nullptr;
    THBarra* m_barra = nullptr;         // pctTHGrid with lblTHGrid, linTHGrid, imgSelecionado(2)
    QWidget* m_fundo = nullptr;         // pctFundo
    QLabel* m_vazio = nullptr;          // lblTextGridVazio
    std::vector<THPicture*> m_rowIcons;     // pctNaoSelecionado
    std::vector<THPicture*> m_hoverIcons;   // pctNaoSelecionado2
    // Unloaded row and hover icons, hidden and disconnected, kept for the
    // next ConfiguraColunas (a list reconfigured per screen need not make
    // and destroy its icon widgets every time).
    std::vector<THPicture*> m_iconesReserva;
    THPicture* NovoIcone();
    QTimer m_tmr;             // tmrTHGrid

    QPointer<platform::dao::DataControl> m_dataControl;   // mDataControl
    QPointer<platform::dao::DataControl> m_dataSource;
    std::vector<QMetaObject::Connection> m_ligacoes;
    THPictures m_pictures;    // mPictures

    QString m_chaveDestaque = QStringLiteral("FORM");
    int m_linhasIcones = 1;   // rows the row icons were made for
    bool m_colunasConfiguradas = false;
    bool m_ajustando = false;
    QSize m_tamanhoAjustado;
    bool m_analisarScroll = false;
    bool m_sincronizando = false;
    QString m_tiposColunas;
    int m_ultimaColunaGrid = 0;
    int m_ultimaImagem = 0;
    int m_qtdLeftIgualAnterior = 0;
    int m_colunaLeftIgualAnterior = 0;
    std::vector<int> m_colunaImagem{0};
    std::vector<IconeColuna> m_iconesColunas;
    std::vector<int> m_colunaRotulo;        // grid column each bar label repeats
    std::vector<int> m_divisores;           // divider style per grid column
    std::vector<int> m_larguraColunas;      // width per grid column, twips
    std::vector<int> m_alinhamentos;        // alignment per grid column
    int m_colunaFlags = -1;
    int m_linhas = 1;
    int m_tiquesTimer = 0;
    int m_botaoMouse = 0;
    int m_borderStyle = 0;
    long m_backColor = 0xFEF9F3;
    int m_scrollBars = 0;
    int m_larguraScroll = 0;
    int m_larguraBarraTwips = 0;
    QString m_tag;

    platform::dao::Bookmark m_ultimoBookmark;   // the grid's row for the next RowColChange
    int m_ultimaColuna = 0;
    bool m_temUltimo = false;
};
