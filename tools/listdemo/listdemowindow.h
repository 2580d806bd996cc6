#pragma once
// The viewer's window: the part search of the catalogue in small, a
// description box, a part-type drop-down (THCombo) and the result list
// (THGrid), with a log of the events the two controls raise.

#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "platform/dao/dao.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace listdemo {

class ListDemoWindow : public QWidget {
    Q_OBJECT
public:
    ListDemoWindow(platform::dao::DatabasePtr db, QWidget* parent = nullptr);

    THGrid* grid() const { return m_grid; }
    THCombo* combo() const { return m_combo; }

    // Put the window in the state of the documentation picture: a current
    // row with a note (preparaCaptura), then, once the list has settled, its
    // note icon highlighted and the drop-down open (destacaCaptura).
    void preparaCaptura();
    void destacaCaptura();

protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void carregaTipos();
    void pesquisa();
    void registra(const QString& evento);
    void atualizaStatus();

    platform::dao::DatabasePtr m_db;
    platform::dao::DataControl m_dtcGrid;
    platform::dao::DataControl m_dtcCombo;
    THGrid* m_grid;
    THCombo* m_combo;
    QLineEdit* m_descricao;
    QPlainTextEdit* m_log;
    QLabel* m_status;
    QString m_tipo = QStringLiteral(" ");
};

}  // namespace listdemo
