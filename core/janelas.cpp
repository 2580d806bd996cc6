#include "core/janelas.h"

#include "core/globals.h"
#include "core/texts.h"
#include "platform/base/error.h"
#include "platform/desktop/fileopener.h"
#include "platform/desktop/messagebox.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QMimeDatabase>
#include <QScreen>

#include <cstdint>
#include <limits>

namespace Modulo {

int gTwipsX = 15;
int gTwipsY = 15;

namespace {
QSize g_tamanhoTela;
int g_alturaLegenda = -1;
}  // namespace

QSize TamanhoTela()
{
    if (g_tamanhoTela.isValid())
        return g_tamanhoTela;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* tela = QGuiApplication::primaryScreen())
            return tela->geometry().size();
    return QSize(1024, 768);
}

int AlturaLegenda() { return g_alturaLegenda >= 0 ? g_alturaLegenda : kAlturaLegendaPadrao; }
void DefineTamanhoTela(QSize tamanho) { g_tamanhoTela = tamanho; }
void DefineAlturaLegenda(int altura) { g_alturaLegenda = altura; }

void DefinePonteiroTela(int ponteiro)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (ponteiro == vbHourglass) {
        if (QGuiApplication::overrideCursor())
            QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

int PonteiroTela()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return vbDefault;
    const QCursor* c = QGuiApplication::overrideCursor();
    return c && c->shape() == Qt::WaitCursor ? vbHourglass : vbDefault;
}

bool gRodaAtiva = false;
QPointer<QWidget> gFormRoda;
QString gAlvoRodaNome;
QPointer<QWidget> gAlvoRoda;
QPointer<QWidget> gAlvoRodaGrid;
int gAlvoRodaTipo = 0;

namespace {

[[noreturn]] void Estouro(const char* rotina)
{
    throw platform::Error(platform::errors::Overflow, QStringLiteral("Overflow"), QString::fromLatin1(rotina));
}

struct AlvoRoda {
    bool rolaProprio;  // the control is its own scroll object
    int tipo;
};

const QHash<QString, AlvoRoda>& TabelaAlvos()
{
    static const QHash<QString, AlvoRoda> tabela = {
        {QStringLiteral("CAT_GRID1"), {true, 4}},  {QStringLiteral("CAT_COMBO1"), {true, 4}},
        {QStringLiteral("CAT_COMBO2"), {true, 4}}, {QStringLiteral("TEL_GRID1"), {true, 4}},
        {QStringLiteral("CAT_FIGURA"), {false, 1}}, {QStringLiteral("CAT_SUGEST"), {false, 1}},
    };
    return tabela;
}

QHash<QString, QPointer<QWidget>>& ControlesRoda()
{
    static QHash<QString, QPointer<QWidget>> controles;
    return controles;
}

// The wait cursor pushed over whatever pointer is set, for one call.
class CursorEspera {
public:
    CursorEspera()
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            m_ativa = true;
        }
    }
    ~CursorEspera()
    {
        if (m_ativa)
            QGuiApplication::restoreOverrideCursor();
    }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;

private:
    bool m_ativa = false;
};

// Types that start programs or act as programs when "opened": executables,
// shared objects, scripts of any language and desktop entries.
bool TipoExecutavel(const QString& caminho)
{
    QFile f(caminho);
    if (f.open(QIODevice::ReadOnly) && f.peek(2) == "#!")
        return true;
    static const QStringList proibidos = {
        QStringLiteral("application/x-executable"),
        QStringLiteral("application/x-pie-executable"),
        QStringLiteral("application/x-sharedlib"),
        QStringLiteral("application/x-object"),
        QStringLiteral("application/x-shellscript"),
        QStringLiteral("application/x-executable-script"),
        QStringLiteral("application/x-desktop"),
        QStringLiteral("application/x-ms-dos-executable"),
        QStringLiteral("application/x-msdownload"),
        QStringLiteral("application/vnd.microsoft.portable-executable"),
        QStringLiteral("application/x-msi"),
        QStringLiteral("application/x-ms-shortcut"),
        QStringLiteral("application/x-java-archive"),
        QStringLiteral("application/x-java-jnlp-file"),
        QStringLiteral("application/javascript"),
        QStringLiteral("text/javascript"),
        QStringLiteral("application/x-perl"),
        QStringLiteral("text/x-python"),
        QStringLiteral("text/x-python3"),
        QStringLiteral("application/x-ruby"),
        QStringLiteral("application/x-php"),
        QStringLiteral("application/x-csh"),
        QStringLiteral("text/x-tcl"),
        QStringLiteral("application/x-appimage"),
        QStringLiteral("application/vnd.flatpak"),
        QStringLiteral("application/vnd.flatpak.ref"),
        QStringLiteral("application/vnd.debian.binary-package"),
        QStringLiteral("application/x-rpm"),
        QStringLiteral("application/x-bat"),
        QStringLiteral("text/x-msdos-batch"),
    };
    const QMimeDatabase db;
    const QStringList tipos = {db.mimeTypeForFile(caminho, QMimeDatabase::MatchContent).name(),
                               db.mimeTypeForFile(caminho, QMimeDatabase::MatchExtension).name()};
    for (const QString& nome : tipos) {
        const QMimeType tipo = db.mimeTypeForName(nome);
        QStringList todos = tipo.allAncestors();
        todos << nome << tipo.aliases();
        for (const QString& t : todos)
            if (proibidos.contains(t))
                return true;
    }
    return false;
}

bool DentroDaPastaDados(const QString& caminho)
{
    if (gCaminhoDados.isEmpty())
        return false;
    const QString base = QFileInfo(gCaminhoDados).canonicalFilePath();
    if (base.isEmpty())
        return false;
    // A file that exists is judged by where it really is (links followed);
    // a missing one by its cleaned path.
    QString alvo = QFileInfo(caminho).canonicalFilePath();
    if (alvo.isEmpty())
        alvo = QDir::cleanPath(QFileInfo(caminho).absoluteFilePath());
    return alvo.startsWith(base + QLatin1Char('/'));
}

}  // namespace

long PixelsParaTwips(long pixels, const QString& eixo)
{
    const QString e = eixo.trimmed().toUpper();
    const bool vertical = e == QLatin1String("Y") || e == QLatin1String("T") || e == QLatin1String("TOP") ||
                          e == QLatin1String("H") || e == QLatin1String("HEIGHT");
    const long long r = static_cast<long long>(pixels) * (vertical ? gTwipsY : gTwipsX);
    if (r > std::numeric_limits<std::int32_t>::max() || r < std::numeric_limits<std::int32_t>::min())
        Estouro("PixelsParaTwips");
    return static_cast<long>(r);
}

void ObtemPosicaoNoForm(const QWidget* controle, int& esquerda, int& topo)
{
    if (!controle)
        return;
    long long somaX = 0, somaY = 0;
    const QWidget* janela = controle->window();
    for (const QWidget* c = controle->parentWidget(); c && c != janela; c = c->parentWidget()) {
        somaX += c->x();
        somaY += c->y();
        if (c->property("BorderStyle").toInt() == 1) {
            ++somaX;
            ++somaY;
        }
    }
    const long long x = controle->x() + somaX, y = controle->y() + somaY;
    constexpr long long lo = std::numeric_limits<std::int16_t>::min(), hi = std::numeric_limits<std::int16_t>::max();
    if (somaX < lo || somaX > hi || somaY < lo || somaY > hi || x < lo || x > hi || y < lo || y > hi)
        Estouro("ObtemPosicaoNoForm");
    esquerda = static_cast<int>(x);
    topo = static_cast<int>(y);
}

void AlteraBordaForm(QWidget* form, int estilo, bool recortaControles, bool caixaControle, bool botaoMaximizar,
                     bool botaoMinimizar, bool botaoBarraTarefas, bool botaoAjuda)
{
    if (!form)
        return;
    Q_UNUSED(recortaControles);
    Qt::WindowFlags f = form->isWindow() && form->windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
    if (estilo == 4 || estilo == 5)
        f = Qt::Tool;
    if (estilo == 0 || estilo > 5) {
        f |= Qt::FramelessWindowHint;
    } else {
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (caixaControle)
            f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (botaoMaximizar)
            f |= Qt::WindowMaximizeButtonHint;
        if (botaoMinimizar)
            f |= Qt::WindowMinimizeButtonHint;
        if (botaoAjuda)
            f |= Qt::WindowContextHelpButtonHint;
    }
    Q_UNUSED(botaoBarraTarefas);  // every top-level window here keeps its taskbar entry
    const QRect geometria = form->geometry();
    const bool visivel = form->isVisible();
    const Qt::WindowStates estado = form->windowState();
    form->setWindowFlags(f);
    form->setGeometry(geometria);
    form->setWindowState(estado);
    if (visivel)
        form->show();
    form->setProperty("BorderStyle", estilo);
}

void RegistraControleRoda(const QString& chave, QWidget* controle)
{
    if (TabelaAlvos().contains(chave))
        ControlesRoda().insert(chave, controle);
}

void DefineAlvoRoda(const QString& chave)
{
    if (!gRodaAtiva || chave == gAlvoRodaNome)
        return;
    const auto alvo = TabelaAlvos().constFind(chave);
    if (chave.isEmpty() || alvo == TabelaAlvos().constEnd()) {
        gAlvoRoda = nullptr;
        gAlvoRodaGrid = nullptr;
        gAlvoRodaTipo = 0;
    } else {
        QWidget* controle = ControlesRoda().value(chave);
        gAlvoRoda = controle;
        gAlvoRodaGrid = alvo->rolaProprio ? controle : nullptr;
        gAlvoRodaTipo = alvo->tipo;
    }
    gAlvoRodaNome = chave;
}

bool CursorSobreJanela(const QWidget* janela, QPoint ponteiro)
{
    if (!janela)
        return false;
    const QRect r = janela->isWindow() ? janela->frameGeometry()
                                       : QRect(janela->mapToGlobal(QPoint(0, 0)), janela->size());
    // QRect::contains keeps the right and bottom edges outside (right() is
    // left + width - 1).
    return r.contains(ponteiro);
}

bool CursorSobreJanela(const QWidget* janela) { return CursorSobreJanela(janela, QCursor::pos()); }

QString RazaoFalhaAbertura(int resultado)
{
    switch (resultado) {
    case 2: return QStringLiteral("File not found");
    case 3: return QStringLiteral("Path not found");
    case 5: return QStringLiteral("Access denied");
    case 8: return QStringLiteral("Out of memory");
    case 11: return QStringLiteral("Invalid EXE file or error in EXE image");
    case 26: return QStringLiteral("A sharing violation occurred");
    case 27: return QStringLiteral("Incomplete or invalid file association");
    case 28: return QStringLiteral("DDE Time out");
    case 29: return QStringLiteral("DDE transaction failed");
    case 30: return QStringLiteral("DDE busy");
    case 31: return QStringLiteral("No association for file extension");
    case 32: return QStringLiteral("DLL not found");
    default: return QStringLiteral("Unknown error");
    }
}

void MostraFalhaAbertura(const QString& caminho, int resultado)
{
    const QString texto = QStringLiteral("Erro ao Abrir o Arquivo \"") + caminho + QStringLiteral("\"\r\n\r\n") +
                          QStringLiteral("Erro Nº: (") + QString::number(resultado) + QStringLiteral(")\r\n") +
                          RazaoFalhaAbertura(resultado);
    platform::MsgBox(texto, platform::vbCritical, ObtemTexto(19));
}

int AbreArquivoAssociado(const QString& caminho)
{
    int resultado = 0;
    try {
        {
            CursorEspera espera;
            if (!DentroDaPastaDados(caminho))
                resultado = kAberturaNegada;
            else if (QFileInfo(caminho).isFile() && TipoExecutavel(caminho))
                resultado = kAberturaNegada;
            else
                resultado = platform::fileOpener().Open(
                    caminho, [caminho](int tardio) { MostraFalhaAbertura(caminho, tardio); });
        }
        if (resultado <= 32)
            MostraFalhaAbertura(caminho, resultado);
    } catch (const platform::Error& e) {
        platform::MsgBox(QStringLiteral("Erro ") + QString::number(e.number()) + QStringLiteral("\r\n") + e.description(),
                         platform::vbCritical, ObtemTexto(19));
    } catch (const std::exception& e) {
        platform::MsgBox(QStringLiteral("Erro 51\r\n") + QString::fromLocal8Bit(e.what()), platform::vbCritical,
                         ObtemTexto(19));
    }
    return resultado;
}

}  // namespace Modulo
