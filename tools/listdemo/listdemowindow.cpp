#include "listdemowindow.h"

#include "core/errorbox.h"
#include "core/globals.h"
#include "core/texts.h"
#include "icons.h"
#include "listcontrols/gridnavigation.h"
#include "listcontrols/thbar.h"
#include "listcontrols/thwidgets.h"
#include "platform/desktop/units.h"
#include "search/sqlpesquisa.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace listdemo {
namespace {

const QColor kAzul(0x37, 0x45, 0x91);

// Column widths of the part search, pixels.
constexpr int kCarrinho = 22, kNumero = 89, kDescricao = 270, kTipo = 129, kNota = 37;

QString W(int px)
{
    return QString::number(platform::pixelsToTwips(px));
}

QLabel* Titulo(const QString& texto, QWidget* pai, int x, int y, int w)
{
    auto* l = new QLabel(texto, pai);
    QFont f = FonteArial9();
    f.setBold(true);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: #374591;"));
    l->setGeometry(x, y, w, 16);
    return l;
}

}  // namespace

ListDemoWindow::ListDemoWindow(platform::dao::DatabasePtr db, QWidget* parent)
    : QWidget(parent), m_db(std::move(db))
{
    setWindowTitle(QStringLiteral("Listas do catálogo: THGrid e THCombo"));
    setFixedSize(800, 600);
    setMouseTracking(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xF3, 0xF5, 0xFA));
    setPalette(pal);
    setAutoFillBackground(true);

    Titulo(QStringLiteral("Descrição"), this, 15, 70, 200);
    m_descricao = new QLineEdit(this);
    m_descricao->setGeometry(15, 88, 300, 24);
    m_descricao->setPlaceholderText(QStringLiteral("parte da descrição, por exemplo: rolamento"));
    Titulo(QStringLiteral("Tipo"), this, 330, 70, 165);

    // Column titles over the list, as the catalogue's title pictures stand.
    const int gx = 15;
    Titulo(QStringLiteral("Número"), this, gx + kCarrinho + 2, 132, kNumero);
    Titulo(QStringLiteral("Descrição"), this, gx + kCarrinho + kNumero + 2, 132, kDescricao);
    Titulo(QStringLiteral("Tipo"), this, gx + kCarrinho + kNumero + kDescricao + 2, 132, kTipo);
    Titulo(QStringLiteral("Eventos"), this, 590, 132, 190);

    m_grid = new THGrid(this);
    m_grid->ReadProperties({{QStringLiteral("Row"), -1},
                            {QStringLiteral("BackColor"), 0xFFFFFF},
                            {QStringLiteral("BarraColor"), 0xF4E4DC},
                            {QStringLiteral("BorderStyle"), 1}});
    m_grid->mTextGridVazio = Modulo::ObtemTexto(43);
    m_grid->mUserControlPixelWidth = 560;
    m_grid->mUserControlPixelHeight = 391;
    m_grid->Move(gx, 150, 560, 391);

    m_log = new QPlainTextEdit(this);
    m_log->setReadOnly(true);
    m_log->setGeometry(590, 150, 195, m_grid->height());
    m_log->setFont(FonteArial9());
    m_log->setFrameShape(QFrame::NoFrame);
    m_log->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; border: 1px solid #8C96AA; }"));

    m_status = new QLabel(this);
    m_status->setGeometry(15, 552, 770, 20);
    m_status->setFont(FonteArial9());
    m_status->setStyleSheet(QStringLiteral("color: #4A5470;"));

    m_combo = new THCombo(this);
    m_combo->mUserControlPixelWidth = 165;
    m_combo->Move(330, 88, 165, 30);

    m_dtcGrid.SetDatabase(m_db);
    m_dtcCombo.SetDatabase(m_db);

    // The part-type drop-down, as the search screen of editions D and M
    // loads it.
    carregaTipos();
    m_combo->ObtemDataControl(&m_dtcCombo);
    m_combo->ConfiguraColunas({QStringLiteral("DescricaoTipoPeca|0|%1|T|6").arg(W(165))});
    m_combo->AtualizaCombo();
    m_combo->raise();

    // The result list.
    pesquisa();
    m_grid->ObtemDataControl(&m_dtcGrid);
    m_grid->ObtemPictures(IconesLista());
    m_grid->ConfiguraColunas({
        QStringLiteral("|2|%1|F|6|%2|99").arg(W(kCarrinho), Modulo::ObtemTexto(101)),
        QStringLiteral("NumeroEmpresa|0|%1|T|6").arg(W(kNumero)),
        QStringLiteral("Descricao|0|%1|T|6").arg(W(kDescricao)),
        QStringLiteral("Tipo|0|%1|T|6").arg(W(kTipo)),
        QStringLiteral("ImagensGrid|2|%1|I|6|%2|99").arg(W(kNota), Modulo::ObtemTexto(8)),
    });
    atualizaStatus();

    connect(m_descricao, &QLineEdit::textChanged, this, [this] {
        Modulo::Guarda([this] {
            pesquisa();
            m_grid->AtualizaGrid();
            atualizaStatus();
        });
    });
    connect(m_combo, &THCombo::Click, this, [this] {
        Modulo::Guarda([this] {
            m_tipo = m_dtcCombo.Recordset()->Value(QStringLiteral("CodigoTipoPeca")).toString();
            registra(QStringLiteral("Click (tipo): %1").arg(m_combo->face()->rotulo(0).caption));
            pesquisa();
            m_grid->AtualizaGrid();
            atualizaStatus();
        });
    });
    connect(m_combo, &THCombo::OpenCombo, this, [this] { registra(QStringLiteral("OpenCombo")); });
    connect(m_grid, &THGrid::RowColChange, this, [this](const platform::dao::Bookmark& ultima, int) {
        if (Modulo::BookmarkDiferente(&m_dtcGrid, m_grid, ultima))
            registra(QStringLiteral("RowColChange: linha %1").arg(m_grid->Row()));
        atualizaStatus();
    });
    connect(m_grid, &THGrid::ImageClick, this, [this](int coluna, const platform::dao::Bookmark&, int botao) {
        const QString numero = m_dtcGrid.Recordset()->Value(QStringLiteral("NumeroEmpresa")).toString();
        registra(QStringLiteral("ImageClick: ícone %1, botão %2, %3").arg(coluna).arg(botao).arg(numero));
    });
    connect(m_grid, &THGrid::DblClick, this, [this] { registra(QStringLiteral("DblClick")); });
    connect(m_grid, &THGrid::AfterScroll, this, [this] { registra(QStringLiteral("AfterScroll")); });

    qApp->installEventFilter(this);
}

void ListDemoWindow::carregaTipos()
{
    // The part-type drop-down, built as the search screen builds it.
    m_combo->AnalisarScollProximoRefresh();
    m_dtcCombo.SetRecordSource(Pesquisa::SqlComboTiposPeca(Modulo::gEdicao, Modulo::gIdioma));
    m_dtcCombo.Refresh();
}

void ListDemoWindow::pesquisa()
{
    // The part search with the description box and the kind from the
    // drop-down, built by the search screen's builder; the drop-down's code
    // chooses the kinds as in editions D and M.
    Pesquisa::EntradaPesquisaPecas e;
    e.edicao = QStringLiteral("M");
    e.idioma = Modulo::gIdioma;
    e.descricao = m_descricao->text();
    e.codigoTipoPeca = m_tipo;
    m_grid->AnalisarScollProximoRefresh();
    m_dtcGrid.SetRecordSource(Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1")));
    m_dtcGrid.Refresh();
}

void ListDemoWindow::registra(const QString& evento)
{
    m_log->appendPlainText(evento);
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
}

void ListDemoWindow::atualizaStatus()
{
    const auto rs = m_dtcGrid.Recordset();
    const long n = rs ? rs->RecordCount() : 0;
    QString texto = QStringLiteral("%1 registros").arg(n);
    if (rs && !rs->EOF_() && !rs->BOF())
        texto += QStringLiteral("   ·   atual: %1  %2")
                     .arg(rs->Value(QStringLiteral("NumeroEmpresa")).toString(), rs->Value(QStringLiteral("Descricao")).toString());
    texto += QStringLiteral("   ·   roda do mouse: 4 linhas por passo");
    m_status->setText(texto);
}

void ListDemoWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0, kAzul);
    g.setColorAt(1, kAzul.lighter(150));
    p.fillRect(QRect(0, 0, width(), 56), g);
    p.setPen(Qt::white);
    QFont f = FonteArial9();
    f.setPointSize(15);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(15, 6, 600, 28), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Pesquisa de peças"));
    f.setPointSize(9);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(0xDD, 0xE3, 0xF5));
    p.drawText(QRect(15, 32, 700, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("THGrid e THCombo ligados ao catálogo: barra da linha atual, ícones por linha, destaque e eventos"));
}

void ListDemoWindow::wheelEvent(QWheelEvent* e)
{
    // The window routes the wheel to the list under the pointer, four rows
    // per notch, as the catalogue's main window does.
    QWidget* alvo = childAt(e->position().toPoint());
    const int passo = e->angleDelta().y() > 0 ? -4 : 4;
    Modulo::Guarda([&] {
        if (alvo && (alvo == m_combo || m_combo->isAncestorOf(alvo)))
            m_combo->Scroll(0, passo, true);
        else if (alvo && (alvo == m_grid || m_grid->isAncestorOf(alvo)))
            m_grid->Scroll(0, passo, true);
    });
    e->accept();
}

bool ListDemoWindow::eventFilter(QObject* o, QEvent* e)
{
    // Leaving a list for another control clears the list's highlight, as the
    // catalogue's hover handling does.
    if (e->type() == QEvent::MouseMove && o->isWidgetType()) {
        auto* w = static_cast<QWidget*>(o);
        if (w != m_grid && !m_grid->isAncestorOf(w))
            m_grid->ApagaSelecao();
        if (w != m_combo && !m_combo->isAncestorOf(w))
            m_combo->ApagaSelecao();
    }
    return QWidget::eventFilter(o, e);
}

void ListDemoWindow::preparaCaptura()
{
    Modulo::Guarda([this] {
        // A current row with a note, a few rows down, and its note icon
        // under the mouse: the bar shows the icon's highlighted twin.
        const auto rs = m_dtcGrid.Recordset();
        const int campo = rs->FieldIndex(QStringLiteral("ImagensGrid"));
        long alvo = -1;
        for (long i = 6; i < rs->RecordCount() && alvo < 0; ++i) {
            if (rs->ValueAt(i, campo).toString().startsWith(QLatin1Char(' ')))
                alvo = i;
        }
        if (alvo < 0)
            alvo = std::min<long>(5, rs->RecordCount() - 1);
        if (alvo < 0)
            return;
        m_grid->Scroll(0, alvo - 6, true);
        rs->SetAbsolutePosition(alvo);
    });
}

void ListDemoWindow::destacaCaptura()
{
    Modulo::Guarda([this] {
        const int linha = m_grid->Row();
        if (THPicture* icone = m_grid->rowIcon(m_grid->Linhas() + linha); icone && !icone->isHidden()) {
            QMouseEvent mv(QEvent::MouseMove, QPointF(4, 4), icone->mapToGlobal(QPointF(4, 4)), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(icone, &mv);
        }
        // Open the drop-down.
        QWidget* seta = m_combo->seta();
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent ev(t, QPointF(5, 5), seta->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                           t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(seta, &ev);
        }
        m_dtcCombo.Recordset()->SetAbsolutePosition(1);
    });
}

}  // namespace listdemo
