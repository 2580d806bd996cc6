#pragma once
// THCombo: the catalogue's drop-down list.
//
// A one-line face showing the current record of a host's data control, an
// arrow, and a list (a THGrid) that opens under the face (or over it).  The
// combo keeps no value of its own: the data control's current record is the
// selection.  A click on a row closes the list, shows the record on the
// face and raises Click; closing without a choice (the arrow again, Esc,
// losing the focus) puts the recordset back on the record last chosen.
//
// Host calling order: set mUserControlPixelWidth and place the control;
// ObtemDataControl; ObtemPictures when the specs have icon columns;
// ConfiguraColunas with the list's column specs; position the recordset on
// the record to show; AtualizaCombo.  In its Click handler the host reads the
// current record of its own data control.  Before leaving the screen it hides
// the control and calls Descarrega.
//
// The control always keeps the height of its list; while the list is closed
// only the face row takes the mouse, so the area reserved for the list never
// swallows clicks meant for the controls beneath it.
//
// On an empty recordset (or one without a current record) the combo has no
// selection: the face is blank and nothing raises an error.

#include "listcontrols/thgrid.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <optional>

class THBarra;
class THPicture;

class THCombo : public QWidget {
    Q_OBJECT
public:
    explicit THCombo(QWidget* parent = nullptr);
    ~THCombo() override;

    // ---- Public variables -------------------------------------------------
    // Losing the focus neither closes the list nor restores the record.
    bool mNaoFecharExitFocus = false;
    // Requested width in pixels; below 1 the width is left as it is.
    int mUserControlPixelWidth = 0;

    // ---- Members ----------------------------------------------------------
    // Places the control (pixels) and runs its size handling at once, shown
    // or not (a hidden widget gets its resize events only when shown).
    void Move(int left, int top, int width, int height);
    // While the list is open, the list's Scroll; while closed, nothing.
    void Scroll(long sCols, long sRows, bool sAtualizaGrid = false);
    QWidget* hwnd() { return this; }
    // Resets the combo for a new use (hosts hide it first).
    void Descarrega();
    // Shows the plain-text face with sTexto instead of the record face.
    void VisiblePctTexto(bool sVisible, const QString& sTexto = {}, int sAlignment = 0);
    void ObtemDataControl(platform::dao::DataControl* sDataControl);
    // Clears the combo's hover highlight and then the list's.
    void ApagaSelecao();
    void AnalisarScollProximoRefresh();
    // Redraws list and face and takes the current record as the choice.
    void AtualizaCombo();
    // Configures list and face.  sColunasTHCombo: the face's own six-field
    // specs (none: the face copies the list's bar); sWidthTHGrid: the list's
    // width in twips (-1: the control's width); the list opens down
    // (sAbreBaixo), shows at most sMaxLinhas rows, and with sAlinhaDireita
    // stands with its right edge under the arrow's.
    void ConfiguraColunas(const QStringList& sColunasTHGrid,
                          const std::optional<QStringList>& sColunasTHCombo = std::nullopt,
                          long sWidthTHGrid = -1, bool sAbreBaixo = true, int sMaxLinhas = 8,
                          bool sAlinhaDireita = false);
    // Sizes the list and places face, arrow and list.
    void AjustaControlesCombo(bool sAbreBaixo = true, int sMaxLinhas = 8, bool sAlinhaDireita = false);
    void ObtemPictures(const THPictures& sPictures);
    platform::dao::DataControl* DataSource() const;
    void SetDataSource(platform::dao::DataControl* dc);
    long BackColor() const;
    void SetBackColor(long cor);
    // The combo's own enabled state (its look and whether clicks open it);
    // the widget itself stays enabled so that it still reports the mouse.
    bool Enabled() const { return m_habilitado; }
    void SetEnabled(bool v);

    QString Tag() const { return m_tag; }
    void SetTag(const QString& t) { m_tag = t; }

    // Persisted properties: "BackColor" (default &HFFFFFF) and "Enabled"
    // (default True).
    void ReadProperties(const QVariantMap& bag);
    QVariantMap WriteProperties() const;

    // ---- For tests and the window's wheel routing ---------------------------
    THGrid* lista() const { return m_lista; }
    THBarra* face() const { return m_face; }
    THBarra* faceTexto() const { return m_texto; }
    THPicture* seta() const { return m_seta; }
    THPicture* setaDestacada() const { return m_seta2; }
    bool aberta() const { return !m_lista->isHidden(); }
    platform::dao::Bookmark bookmarkEscolhido() const { return m_bookmarkEscolhido; }
    QString chaveDestaque() const { return m_chaveDestaque; }
    // The part of the control that takes the mouse while the list is closed.
    QRegion areaFechada() const;

Q_SIGNALS:
    void Click();
    void MouseMove(int Button, int Shift, float X, float Y);
    void ImageClick(int sColuna, const platform::dao::Bookmark& sBookmark, int sButton);
    void OpenCombo();

protected:
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void PosicionaControles();
    void ajustaTamanho();
    void garanteTamanho();
    void CopiaBarraTHGrid();
    void ConfiguraColunasFace(const QStringList& sColunasTHCombo);
    void AtualizaFace();
    void AplicaBackColor(long cor);
    void AplicaEnabled(bool v);
    void TrocaDestaque(const QString& chave);
    void abreFecha();
    void fechaSemEscolha();
    void exitFocus();
    void teclaEsc();
    void tmrTick();
    void listaRowColChange();
    void atualizaMascara();
    void ligaIconeFace(int n);
    // Loads face icon n when missing and gives it the picture, tooltip and
    // pointer of the list's bar icon n; returns that icon's left (twips).
    long copiaIconeDaLista(int n);
    platform::dao::RecordsetPtr recordset() const;
    bool temRegistroAtual() const;

    THBarra* m_texto = nullptr;     // pctTexto with lblTexto (its label 0)
    THBarra* m_face = nullptr;      // pctTHGrid with linTHGrid, lblTHGrid, imgSelecionado(2)
    THGrid* m_lista = nullptr;      // THGrid1
    THPicture* m_seta = nullptr;    // img1
    THPicture* m_seta2 = nullptr;   // img2
    QTimer m_tmr;

    QPointer<platform::dao::DataControl> m_dataControl;
    platform::dao::Bookmark m_bookmarkEscolhido;
    QString m_chaveDestaque = QStringLiteral("FORM");
    bool m_cliqueUsuario = false;
    int m_botaoMouse = 0;
    bool m_ajustando = false;
    QSize m_tamanhoAjustado;
    bool m_ajustaFace = true;
    bool m_colunasConfiguradas = false;
    bool m_habilitado = true;
    QString m_tag;
    QMetaObject::Connection m_foco;
};
