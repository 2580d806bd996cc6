#pragma once
// THGridView: the inner grid of THGrid (grdTHGrid).  A read-only table view
// without headers, selection marquee or scroll-bar of its own choosing: rows
// are 17 pixels high including their light-grey divider, each column draws
// the divider style it was given, the view scrolls one row at a time and
// never sideways, and the mouse wheel is left to the window (the main window
// routes it to the list under the pointer).
//
// THGridDelegate paints a cell: the text with the column's alignment, placed
// where the current-row bar places its label, and the row and column dividers.

#include <QStyledItemDelegate>
#include <QTableView>

#include <vector>

class THGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setDivisores(std::vector<int> estilos) { m_divisores = std::move(estilos); }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::vector<int> m_divisores;   // divider style per column: 0 none, 1 black, 2 dark grey, else light grey
};

class THGridView : public QTableView {
    Q_OBJECT
public:
    explicit THGridView(QWidget* parent = nullptr);

    THGridDelegate* delegate() const { return m_delegate; }

    // Rows the view shows (the control's mLinhas); the scroll range keeps the
    // last record on the last row, whatever size the viewport has now.
    void setLinhas(int linhas);
    int linhas() const { return m_linhas; }

    // First visible row (the scroll position).
    int topo() const;
    void setTopo(int linha);
    // Brings the model row into the rows shown, scrolling as little as possible.
    void garanteVisivel(int linha);
    // Lays the items out now instead of at the next event-loop turn, so that
    // a host's requery and its following moves see the new row count.
    void sincronizaLayout();
    // Sets the columns' widths (pixels, from column 0) and lays the view out
    // at once.  QTableView answers each width change with a zero timer that
    // repaints the whole viewport after the next paint has already shown the
    // new widths; here the one repaint is the one already due.
    void defineLarguras(const std::vector<int>& larguras);

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

Q_SIGNALS:
    void clicado();
    void clicadoDuplo();
    void mouseMovido(int botao, int shift, float x, float y);
    void mouseSolto();
    void focoRecebido();

protected:
    void updateGeometries() override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    THGridDelegate* m_delegate;
    int m_linhas = 1;
};
