#include "passos.h"

#include "detailwindow/frmTQ2.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

GravadorDemo::GravadorDemo()
{
    platform::setMessageBoxes(this);
    platform::setFileOpener(this);
    platform::setPrintDialogs(this);
}

GravadorDemo::~GravadorDemo()
{
    platform::setMessageBoxes(nullptr);
    platform::setFileOpener(nullptr);
    platform::setPrintDialogs(nullptr);
}

bool GravadorDemo::Show(QPrinter& printer)
{
    ++impressoes;
    return m_pdf.Show(printer);
}

int GravadorDemo::Show(const QString& text, int style, const QString&)
{
    mensagens << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" | "));
    return (style & 0x7) == platform::vbYesNo || (style & 0x7) == platform::vbYesNoCancel ? platform::vbYes
                                                                                            : platform::vbOK;
}

int GravadorDemo::Open(const QString& path, const platform::LateOpenFailure&)
{
    abertos << path;
    return platform::kOpenSucceeded;
}

namespace {

void Tecla(frmTQ2& j, int tecla, const QString& texto, bool solta)
{
    QWidget* alvo = QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget*>(&j);
    QKeyEvent premida(QEvent::KeyPress, tecla, Qt::NoModifier, texto);
    QApplication::sendEvent(alvo, &premida);
    if (solta) {
        QWidget* agora = QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget*>(&j);
        QKeyEvent soltada(QEvent::KeyRelease, tecla, Qt::NoModifier, texto);
        QApplication::sendEvent(agora, &soltada);
    }
}

void Mouse(QWidget* w, QEvent::Type tipo)
{
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(tipo, p, w->mapToGlobal(p), Qt::LeftButton,
                  tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

THPicture* Parte(frmTQ2& j, int i)
{
    return i >= 0 && static_cast<std::size_t>(i) < j.imgParteFigura.size() ? j.imgParteFigura[static_cast<std::size_t>(i)]
                                                                           : nullptr;
}

}  // namespace

bool ExecutaPasso(frmTQ2& j, const QString& passo)
{
    const QString nome = passo.section(QLatin1Char(':'), 0, 0);
    const QString arg = passo.section(QLatin1Char(':'), 1);
    if (nome == QLatin1String("row")) {
        if (auto rs = j.dtcTHGrid1->Recordset(); rs && arg.toLong() < rs->RecordCount())
            rs->SetAbsolutePosition(arg.toLong());
    } else if (nome == QLatin1String("icon")) {
        const bool direito = arg.section(QLatin1Char(':'), 1) == QLatin1String("right");
        j.grdTHGrid1->EventImageClick(arg.section(QLatin1Char(':'), 0, 0).toInt(), std::nullopt, direito ? 2 : 1);
    } else if (passo == QLatin1String("back")) {
        Q_EMIT j.imgVoltar->clicado(1);
    } else if (passo == QLatin1String("esc")) {
        Tecla(j, Qt::Key_Escape, QString(QChar(27)), false);
    } else if (passo == QLatin1String("key:+")) {
        Tecla(j, Qt::Key_Plus, QStringLiteral("+"), true);
    } else if (passo == QLatin1String("key:-")) {
        Tecla(j, Qt::Key_Minus, QStringLiteral("-"), true);
    } else if (passo == QLatin1String("key:Delete")) {
        Tecla(j, Qt::Key_Delete, QString(), true);
    } else if (passo == QLatin1String("ok")) {
        Q_EMIT j.imgAvancar->clicado(1);
    } else if (passo == QLatin1String("tick") || passo == QLatin1String("untick")) {
        j.chkVerificarAtualizacoesAuto->setChecked(passo == QLatin1String("tick"));
    } else if (passo.startsWith(QLatin1String("user="))) {
        j.txtUsuario->setText(passo.mid(5));
    } else if (passo.startsWith(QLatin1String("password="))) {
        j.txtSenha->setText(passo.mid(9));
    } else if (nome == QLatin1String("attachment")) {
        const int i = arg.toInt();
        if (i >= 0 && i < 3)
            Q_EMIT j.lblAnexo[static_cast<std::size_t>(i)]->clicado(1);
    } else if (passo == QLatin1String("chk-figura")) {
        Q_EMIT j.imgChkFigura->clicado(1);
    } else if (passo == QLatin1String("chk-tabela")) {
        Q_EMIT j.imgChkTabela->clicado(1);
    } else if (nome == QLatin1String("part-click") || nome == QLatin1String("part-dblclick")) {
        if (THPicture* p = Parte(j, arg.toInt())) {
            Mouse(p, QEvent::MouseButtonPress);
            Mouse(p, QEvent::MouseButtonRelease);
            if (nome == QLatin1String("part-dblclick")) {
                Mouse(p, QEvent::MouseButtonDblClick);
                Mouse(p, QEvent::MouseButtonRelease);
            }
        }
    } else if (nome == QLatin1String("part-move")) {
        if (THPicture* p = Parte(j, arg.toInt()))
            Mouse(p, QEvent::MouseMove);
    } else {
        return false;
    }
    QApplication::processEvents();
    return true;
}

void Despeja(frmTQ2& j, const GravadorDemo* g, QTextStream& out)
{
    out << "history\t" << j.mHistoricoTelas << '\n';
    if (j.pctTitulo->isVisibleTo(&j))
        out << "subtitle\t" << j.lblSubTitulo->text() << '\n';
    if (!j.Descarregada() && j.grdTHGrid1->isVisibleTo(&j)) {
        const auto rs = j.dtcTHGrid1->Recordset();
        if (!rs || rs->RecordCount() == 0) {
            out << "empty\t" << j.grdTHGrid1->mTextGridVazio << '\n';
        } else {
            const QString tipos = j.grdTHGrid1->tiposColunas();
            int campoFlags = -1;
            for (int c = 0; c < tipos.size() && campoFlags < 0; ++c)
                if (tipos[c] == QLatin1Char('I'))
                    campoFlags = rs->FieldIndex(j.grdTHGrid1->Columns(c).DataField());
            for (long r = 0; r < rs->RecordCount(); ++r) {
                QStringList celulas;
                QString icones;
                const QString flags = campoFlags >= 0 ? rs->ValueAt(r, campoFlags).toString() : QString();
                int flag = 0;
                for (int c = 0; c < tipos.size(); ++c) {
                    if (tipos[c] == QLatin1Char('T')) {
                        celulas << rs->ValueAt(r, rs->FieldIndex(j.grdTHGrid1->Columns(c).DataField())).toString();
                    } else if (tipos[c] == QLatin1Char('F')) {
                        icones += QLatin1Char('+');
                    } else {
                        icones += flags.size() > flag && flags[flag] == QLatin1Char(' ') ? QLatin1Char('+') : QLatin1Char('.');
                        ++flag;
                    }
                }
                out << "row\t" << celulas.join(QLatin1Char('\t')) << (icones.isEmpty() ? QString() : QLatin1Char('\t') + icones)
                    << '\n';
            }
            if (!rs->EOF_() && !rs->BOF())
                out << "current\t" << rs->AbsolutePosition() << '\n';
        }
    }
    if (!j.Descarregada() && j.pctTela[0]->isVisibleTo(&j)) {
        if (j.lblTitAnexo->isVisibleTo(&j))
            out << "attachments-title\t" << j.lblTitAnexo->text() << '\n';
        for (std::size_t i = 0; i < j.lblAnexo.size(); ++i)
            if (j.lblAnexo[i]->isVisibleTo(&j))
                out << "attachment\t" << i << '\t' << j.lblAnexo[i]->text() << '\n';
        out << "notes-height\t" << j.txtObservacao->height() << '\n';
    }
    if (!j.Descarregada() && j.pctTela[5]->isVisibleTo(&j)) {
        out << "options\tfigure=" << int(j.mEscolhaSaida.Figura) << " table=" << int(j.mEscolhaSaida.Tabela) << '\n';
        QStringList partes;
        for (int i : j.mEscolhaSaida.PartesSelecionadas())
            partes << QString::number(i);
        out << "parts\t" << partes.join(QLatin1Char(' ')) << '\n';
        out << "mode\t" << int(j.mEscolhaSaida.ModoSelecaoPartes) << '\n';
    }
    if (g) {
        for (const QString& m : g->mensagens)
            out << "message\t" << m << '\n';
        for (const QString& a : g->abertos)
            out << "opened\t" << a << '\n';
        for (int i = 0; i < g->impressoes; ++i)
            out << "printed\n";
    }
    if (j.Descarregada())
        out << "closed\n";
}
