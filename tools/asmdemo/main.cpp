// asmdemo: the assembly view (figure and components table) on the
// catalogue's main window, on a catalogue data folder.
//
//   asmdemo --data DIR --assembly CODE [--edition E] [--language L]
//           [--screen 4|5] [--locate REQUEST] [--hover ITEM] [--next N]
//           [--menu N] [--type BOX=TEXT] [--ticks N] [--dump] [--screenshot FILE]
//
// The assembly is opened as the parts list's Forward does, with REQUEST as
// its locate request ("C:code:C", "J:code:J", "I:item:I"); --screen 5 goes
// on to the components table with the Table button.  --hover moves the
// pointer onto the first label of ITEM (showing its page first), --next
// presses the right button over it N times, --menu opens its item menu and
// chooses the entry of action code N.  --type types TEXT into a find box of
// the table: item, numero, componente or fabricante.  --ticks lets the blink
// timer tick N times before the picture is taken.  --dump prints what the
// screens show; --screenshot writes a picture of the window (with the menu
// open when --menu is given) and exits.  Message boxes are printed and
// answered with OK; beeps are counted; detail-window requests, suggestion
// calls and the cart are recorded (janelademo.h).

#include "janelademo.h"

#include "assembly/rotuloitem.h"
#include "assembly/utilcontroles.h"

#include "core/errorbox.h"
#include "core/globals.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "platform/desktop/beep.h"
#include "platform/desktop/messagebox.h"
#include "platform/desktop/popupmenu.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCursor>
#include <QEventLoop>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

using asmdemo::JanelaDemo;

QStringList g_caixas;
int g_beeps = 0;
QStringList g_menu;

class Caixas final : public platform::MessageBoxes {
public:
    int Show(const QString& text, int style, const QString& title) override
    {
        g_caixas << QStringLiteral("[%1] %2: %3").arg(style).arg(title, QString(text).replace(QLatin1String("\r\n"), QLatin1String(" / ")));
        return platform::vbOK;
    }
};

class Bipe final : public platform::Beeper {
public:
    void Beep() override { ++g_beeps; }
};

// The item menu: records its entries, answers with the chosen code and, for
// a screenshot, shows it as a real menu while the window is captured.
class Menu final : public platform::PopupMenus {
public:
    int escolha = -1;
    QString captura;
    QWidget* janela = nullptr;
    bool capturou = false;

    int Show(const std::vector<platform::MenuEntry>& entries, QPoint globalPos) override
    {
        bool oferecida = false;
        for (const auto& e : entries) {
            g_menu << (e.separator ? QStringLiteral("-") : QStringLiteral("%1 %2").arg(e.id).arg(e.text));
            oferecida = oferecida || (!e.separator && e.id == escolha);
        }
        if (!captura.isEmpty() && janela) {
            QMenu menu(janela);
            for (const auto& e : entries) {
                if (e.separator)
                    menu.addSeparator();
                else
                    menu.addAction(e.text);
            }
            menu.popup(globalPos);
            for (int k = 0; k < 20; ++k)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            const QRect g(janela->mapToGlobal(QPoint(0, 0)), janela->size());
            QPixmap px = janela->screen()->grabWindow(0, g.x(), g.y(), g.width(), g.height());
            if (px.isNull() || px.toImage().allGray())
                px = janela->grab();
            capturou = px.save(captura);
            menu.close();
        }
        return oferecida ? escolha : -1;
    }
};

QString Cor(long bgr) { return QStringLiteral("%1").arg(bgr, 6, 16, QLatin1Char('0')).toUpper(); }

void Dump(JanelaDemo& demo)
{
    frmTQ1& f = demo.F();
    Conjunto::VistaConjunto& v = demo.Vista();
    const Conjunto::ControlesFigura& c = demo.Conjunto().Figura();
    const Conjunto::ControlesTabela& t = demo.Conjunto().Tabela();
    auto linha = [](const QString& s) { std::printf("%s\n", qPrintable(s)); };
    linha(QStringLiteral("history: %1").arg(f.mHistoricoTelas));
    QStringList botoes;
    for (const auto& [b, nome] : {std::pair<QWidget*, const char*>{f.imgVoltar, "Back"}, {f.imgTabela, "Table"},
                                  {f.imgFigura, "Figure"}, {f.imgImprimir, "Print"}})
        if (Conjunto::Visivel(b))
            botoes << QLatin1String(nome);
    linha(QStringLiteral("toolbar: %1").arg(botoes.join(QLatin1Char(' '))));
    linha(QStringLiteral("subtitle: %1").arg(f.lblSubTitulo->text()));
    const auto& figura = v.Figura();
    linha(QStringLiteral("figure: %1 pages, %2 labels").arg(figura.QuantidadePartes()).arg(figura.UltimoItem()));
    linha(QStringLiteral("page: %1 (drawing \"%2\", description \"%3\")")
              .arg(v.ParteFiguraAtual())
              .arg(v.ArquivoFiguraAtual(), c.lblDescricaoParteFigura->text()));
    QStringList paginas;
    for (int i = 0; i < figura.QuantidadePartes(); ++i)
        if (Imagem* m = v.Miniatura(i); m && Conjunto::Visivel(m))
            paginas << (QString::number(i) + (v.MiniaturaEmoldurada(i) ? QStringLiteral("[framed]") : QString()));
    linha(QStringLiteral("thumbnails: %1").arg(paginas.join(QLatin1Char(' '))));
    for (int i = 1; i <= figura.UltimoItem(); ++i) {
        const Conjunto::RotuloItem* r = v.lblItem(i);
        if (!r || !Conjunto::Visivel(r))
            continue;
        linha(QStringLiteral("  label %1 \"%2\" at %3,%4 style %5 color %6%7%8%9")
                  .arg(i)
                  .arg(r->Caption())
                  .arg(r->x())
                  .arg(r->y())
                  .arg(r->EstiloItem)
                  .arg(Cor(r->ForeColor()))
                  .arg(r->FontBold() ? QStringLiteral(" bold") : QString())
                  .arg(r->FontItalic() ? QStringLiteral(" italic") : QString())
                  .arg(r->BackStyle() == 1 ? QStringLiteral(" opaque") : QString()));
    }
    linha(QStringLiteral("data: number \"%1\" quantity \"%2\" description \"%3\" note \"%4\" color %5 headings %6")
              .arg(c.lblNumeroEmpresa->text(), c.lblQuantidade->text(), c.lblComponente->text(), c.lblObsRapida->text())
              .arg(Cor(Conjunto::CorTexto(c.lblComponente)))
              .arg(Conjunto::Visivel(c.imgTitNoTQ2) ? QStringLiteral("shown") : QStringLiteral("hidden")));
    if (Conjunto::Visivel(c.pctToolTipFig_Pop))
        linha(QStringLiteral("tooltip: at %1,%2 size %3x%4 paging %5 \"%6\" optional %7 note %8")
                  .arg(c.pctToolTipFig_Pop->x())
                  .arg(c.pctToolTipFig_Pop->y())
                  .arg(c.pctToolTipFig_Pop->width())
                  .arg(c.pctToolTipFig_Pop->height())
                  .arg(Conjunto::Visivel(c.lblPaginaXdeXF_Pop) ? QStringLiteral("shown") : QStringLiteral("hidden"))
                  .arg(c.lblPaginaXdeXF_Pop->text())
                  .arg(Conjunto::Visivel(c.lblOpTp))
                  .arg(Conjunto::Visivel(c.lblObsTp)));
    for (const auto& [numero, descricao] : v.LinhasPainelJogos())
        linha(QStringLiteral("kit panel: %1 %2").arg(numero, descricao));
    const auto combo = c.dtcTHCombo2->Recordset();
    linha(QStringLiteral("combo: %1, %2 rows, current kit %3")
              .arg(Conjunto::Visivel(c.cboTHCombo2) ? QStringLiteral("shown") : QStringLiteral("hidden"))
              .arg(combo && combo->IsOpen() ? combo->RecordCount() : 0)
              .arg(v.CodigoJogoReparoAtual()));
    const auto tabela = t.dtcTHGrid1->Recordset();
    if (f.mTabelaCarregada && tabela && tabela->IsOpen()) {
        linha(QStringLiteral("table: %1 rows, sort \"%2\"").arg(tabela->RecordCount()).arg(t.grdTHGrid1->Tag()));
        if (!tabela->EOF_() && !tabela->BOF())
            linha(QStringLiteral("current row: %1 | %2 | %3 | %4")
                      .arg(tabela->Fields(QStringLiteral("ItemComponente")).Text(),
                           tabela->Fields(QStringLiteral("NumeroEmpresaComponente")).Text(),
                           tabela->Fields(QStringLiteral("DescricaoComponente")).Text(),
                           tabela->Fields(QStringLiteral("QuantidadeComponente")).Text()));
    }
    linha(QStringLiteral("beeps: %1").arg(g_beeps));
    for (const QString& b : g_caixas)
        linha(QStringLiteral("box: %1").arg(b));
    for (const QString& m : g_menu)
        linha(QStringLiteral("menu: %1").arg(m));
    for (const QString& r : demo.requisicoes)
        linha(QStringLiteral("request: %1").arg(r));
    for (const QString& r : demo.Carrinho())
        linha(QStringLiteral("cart: %1").arg(r));
    for (const QString& r : demo.sugestoes)
        linha(QStringLiteral("suggestion: %1").arg(r));
    for (const QString& r : demo.chamadas)
        linha(QStringLiteral("call: %1").arg(r));
}

int RotuloDoItem(JanelaDemo& demo, const QString& item)
{
    const auto& figura = demo.Vista().Figura();
    for (int i = 1; i <= figura.UltimoItem(); ++i)
        if (figura.ObtemTextoItem(i, false) == item)
            return i;
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser o;
    o.addHelpOption();
    const auto opcao = [&](const char* nome, const char* texto, const char* valor = nullptr) {
        o.addOption(valor ? QCommandLineOption(QLatin1String(nome), QLatin1String(texto), QLatin1String(valor))
                          : QCommandLineOption(QLatin1String(nome), QLatin1String(texto)));
    };
    opcao("data", "Data folder with the catalogue.", "DIR");
    opcao("assembly", "CodigoPeca of the assembly.", "CODE");
    opcao("edition", "Edition letter (default: the catalogue file's).", "E");
    opcao("language", "Language letter P, E or I.", "L");
    opcao("screen", "4 the figure (default), 5 the components table.", "N");
    opcao("locate", "Locate request handed to the figure.", "REQUEST");
    opcao("hover", "Item whose label the pointer moves onto.", "ITEM");
    opcao("next", "Right-button presses over the hovered label.", "N");
    opcao("menu", "Open the item menu and choose the entry of this action code.", "N");
    opcao("type", "Type into a find box: item, numero, componente, fabricante.", "BOX=TEXT");
    opcao("ticks", "Blink-timer ticks to wait for before the dump and the picture.", "N");
    opcao("dump", "Print what the screens show.");
    opcao("screenshot", "Write a picture of the window and exit.", "FILE");
    o.process(app);
    if (!o.isSet(QStringLiteral("data")) || !o.isSet(QStringLiteral("assembly"))) {
        std::fprintf(stderr, "asmdemo: --data DIR and --assembly CODE are required\n");
        return 2;
    }

    Caixas caixas;
    Bipe bipe;
    Menu menu;
    platform::setMessageBoxes(&caixas);
    platform::setBeeper(&bipe);
    platform::setPopupMenus(&menu);

    int resultado = 0;
    try {
        asmdemo::AbreDados(o.value(QStringLiteral("data")), o.value(QStringLiteral("edition")).toUpper(),
                           o.value(QStringLiteral("language")).toUpper());
        {
            JanelaDemo demo;
            frmTQ1& f = demo.F();
            menu.janela = &f;
            const QString captura = o.value(QStringLiteral("screenshot"));
            bool ok = Modulo::Guarda([&] {
                demo.AbreConjunto(o.value(QStringLiteral("assembly")).toLong(), o.value(QStringLiteral("locate")));
                if (o.value(QStringLiteral("screen")) == QLatin1String("5"))
                    f.imgTabela_Click();
                if (o.isSet(QStringLiteral("hover"))) {
                    const int i = RotuloDoItem(demo, o.value(QStringLiteral("hover")));
                    if (i < 0)
                        throw platform::Error(5, QStringLiteral("No label of item \"%1\".").arg(o.value(QStringLiteral("hover"))));
                    f.imgParteFigura_Click(demo.Vista().Figura().Item(i).pagina);
                    QWidget* rotulo = demo.Vista().lblItem(i);
                    // The pointer at the label's right end (the menu opens there).
                    QCursor::setPos(rotulo->mapToGlobal(QPoint(rotulo->width() - 2, rotulo->height() - 2)));
                    demo.Vista().lblItem_MouseMove(i);
                    for (int k = 0; k < o.value(QStringLiteral("next")).toInt(); ++k)
                        demo.Vista().lblItem_MouseUp(i, 2);
                    if (o.isSet(QStringLiteral("menu"))) {
                        menu.escolha = o.value(QStringLiteral("menu")).toInt();
                        menu.captura = captura;
                        demo.Vista().lblItem_MouseUp(i, 1);
                    }
                }
                if (o.isSet(QStringLiteral("type"))) {
                    const QString t = o.value(QStringLiteral("type"));
                    const QString caixa = t.section(QLatin1Char('='), 0, 0), texto = t.section(QLatin1Char('='), 1);
                    QLineEdit* e = caixa == QLatin1String("item")         ? f.txtItem
                                   : caixa == QLatin1String("numero")     ? f.txtNumeroEmpresaT
                                   : caixa == QLatin1String("componente") ? f.txtComponente
                                                                          : f.txtNumeroFabricanteT;
                    e->setFocus();
                    QFocusEvent foco(QEvent::FocusIn, Qt::OtherFocusReason);
                    QCoreApplication::sendEvent(e, &foco);
                    e->setText(texto);
                }
            });
            for (int k = 0; k < 5; ++k)
                QCoreApplication::processEvents();
            for (int k = 0; k < o.value(QStringLiteral("ticks")).toInt() && f.tmrFigura->isActive(); ++k) {
                QEventLoop espera;
                QObject::connect(f.tmrFigura, &QTimer::timeout, &espera, &QEventLoop::quit, Qt::QueuedConnection);
                espera.exec();
            }
            if (o.isSet(QStringLiteral("dump")))
                Dump(demo);
            if (!captura.isEmpty() && !menu.capturou) {
                ok = f.grab().save(captura) && ok;
                std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(captura));
            } else if (menu.capturou) {
                std::printf("wrote %s\n", qPrintable(captura));
            }
            if (captura.isEmpty() && !o.isSet(QStringLiteral("dump")))
                resultado = app.exec();
            else
                resultado = ok ? 0 : 1;
        }
        asmdemo::FechaDados();
    } catch (const platform::Error& e) {
        std::fprintf(stderr, "asmdemo: %ld: %s\n", e.number(), qPrintable(e.description()));
        resultado = 1;
    }
    platform::setPopupMenus(nullptr);
    platform::setBeeper(nullptr);
    platform::setMessageBoxes(nullptr);
    return resultado;
}
