#include "listcontrols/thgridview.h"

#include "listcontrols/thcolumns.h"
#include "listcontrols/thwidgets.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace {
const QColor kCinzaClaro(0xC0, 0xC0, 0xC0);
const QColor kCinzaEscuro(0x80, 0x80, 0x80);

// The grid's scroll bar leaves the wheel to the window too.
class THScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void wheelEvent(QWheelEvent* e) override { e->ignore(); }
};
}  // namespace

void THGridDelegate::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect r = option.rect;
    const int estilo = index.column() < static_cast<int>(m_divisores.size()) ? m_divisores[index.column()] : 6;

    // The text stands where the bar's label of this column stands: 2 pixels
    // in from the column's left edge, 5 pixels narrower than the column, in
    // the 16 pixels above the row divider.
    const QRect texto(r.left() + 2, r.top(), std::max(0, r.width() - 5), THLayout::AlturaBarraPx);
    const auto alinhamento = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    p->save();
    p->setFont(option.font);
    p->setPen(option.palette.color(QPalette::Text));
    p->drawText(texto, int(alinhamento | Qt::TextSingleLine), index.data(Qt::DisplayRole).toString());

    p->setPen(kCinzaClaro);
    p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    if (estilo != 0) {
        p->setPen(estilo == 1 ? QColor(Qt::black) : estilo == 2 ? kCinzaEscuro : kCinzaClaro);
        p->drawLine(r.right(), r.top(), r.right(), r.bottom());
    }
    p->restore();
}

QSize THGridDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return {40, THLayout::AlturaLinhaPx};
}

THGridView::THGridView(QWidget* parent) : QTableView(parent), m_delegate(new THGridDelegate(this))
{
    setItemDelegate(m_delegate);
    setVerticalScrollBar(new THScrollBar(Qt::Vertical, this));
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setCornerButtonEnabled(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    horizontalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    QHeaderView* v = verticalHeader();
    v->hide();
    v->setMinimumSectionSize(1);
    v->setSectionResizeMode(QHeaderView::Fixed);
    v->setDefaultSectionSize(THLayout::AlturaLinhaPx);
    // The bar and the row icons are drawn above the grid by the control.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (v != 0)
            horizontalScrollBar()->setValue(0);
    });
}

void THGridView::setLinhas(int linhas)
{
    m_linhas = std::max(1, linhas);
    updateGeometries();
}

int THGridView::topo() const
{
    return verticalScrollBar()->value();
}

void THGridView::setTopo(int linha)
{
    verticalScrollBar()->setValue(linha);
}

void THGridView::garanteVisivel(int linha)
{
    if (linha < 0)
        return;
    const int t = topo();
    if (linha < t)
        setTopo(linha);
    else if (linha >= t + m_linhas)
        setTopo(linha - m_linhas + 1);
}

void THGridView::sincronizaLayout()
{
    executeDelayedItemsLayout();
    updateGeometries();
}

void THGridView::defineLarguras(const std::vector<int>& larguras)
{
    QHeaderView* h = horizontalHeader();
    {
        const QSignalBlocker bloqueio(h);
        for (std::size_t c = 0; c < larguras.size(); ++c)
            h->resizeSection(static_cast<int>(c), larguras[c]);
    }
    updateGeometries();
    viewport()->update();
}

void THGridView::updateGeometries()
{
    QTableView::updateGeometries();
    // One scroll step per row, and the last record stands on the last row:
    // the range follows the rows the control shows, not the viewport's
    // current size (a hidden list has no up-to-date viewport).
    const int rows = model() ? model()->rowCount() : 0;
    QScrollBar* sb = verticalScrollBar();
    sb->setRange(0, std::max(0, rows - m_linhas));
    sb->setPageStep(m_linhas);
    sb->setSingleStep(1);
}

void THGridView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // Vertical only, and by the control's own row count.
    if (!index.isValid())
        return;
    switch (hint) {
    case PositionAtTop: setTopo(index.row()); break;
    case PositionAtBottom: setTopo(index.row() - m_linhas + 1); break;
    case PositionAtCenter: setTopo(index.row() - m_linhas / 2); break;
    default: garanteVisivel(index.row()); break;
    }
}

void THGridView::mouseReleaseEvent(QMouseEvent* e)
{
    QTableView::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && viewport()->rect().contains(e->position().toPoint()))
        Q_EMIT clicado();
    Q_EMIT mouseSolto();
}

void THGridView::mouseDoubleClickEvent(QMouseEvent* e)
{
    QTableView::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        Q_EMIT clicadoDuplo();
}

void THGridView::mouseMoveEvent(QMouseEvent* e)
{
    // No drag selection: the grid has no marquee; only report the move.
    Q_EMIT mouseMovido(THWidgets::BotaoVB(e->buttons()), THWidgets::ShiftVB(e->modifiers()),
                       static_cast<float>(e->position().x()), static_cast<float>(e->position().y()));
    e->accept();
}

void THGridView::wheelEvent(QWheelEvent* e)
{
    e->ignore();
}

void THGridView::focusInEvent(QFocusEvent* e)
{
    QTableView::focusInEvent(e);
    Q_EMIT focoRecebido();
}
