#include "listcontrols/gridnavigation.h"

#include "listcontrols/thgeometry.h"
#include "listcontrols/thgrid.h"

#include <QLineEdit>

#include <exception>

namespace Modulo {

QString SomenteDigitos(const QString& Texto)
{
    QString resultado;
    for (const QChar c : Texto) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            resultado += c;
    }
    return resultado;
}

void FiltraTeclaNumerica(int& KeyAscii)
{
    if (KeyAscii == 8)
        return;
    if (KeyAscii < '0' || KeyAscii > '9')
        KeyAscii = 0;
}

void CorrigeTextoNumerico(QLineEdit* Caixa)
{
    const QString limpo = SomenteDigitos(Caixa->text());
    if (Caixa->text() != limpo)
        Caixa->setText(limpo);
}

bool BookmarkDiferente(platform::dao::DataControl* DataControl, THGrid* Grid, const platform::dao::Bookmark& Bookmark)
{
    try {
        if (!DataControl || !Grid)
            return true;
        const platform::dao::RecordsetPtr rs = DataControl->Recordset();
        if (!rs || rs->EOF_())
            return true;
        const int row = Grid->Row();
        if (row <= 0)
            return true;
        const platform::dao::Bookmark daLinha = Grid->RowBookmark(row);
        if (daLinha.isNull() || Bookmark.isNull())
            return true;
        return daLinha != Bookmark;
    } catch (const std::exception&) {
        return true;
    }
}

int ObtemLinhaGrid(THGrid* Grid)
{
    try {
        const int row = Grid->Row();
        return row < 0 ? LinhaGridNenhuma : row;
    } catch (const std::exception&) {
        return LinhaGridNenhuma;
    }
}

bool RestauraLinhaGrid(THGrid* Grid, int Linha)
{
    if (Linha == LinhaGridNenhuma || Linha < 0)
        return false;
    int row = LinhaGridNenhuma;
    try {
        row = Grid->Row();
    } catch (const std::exception&) {
    }
    if (row == Linha)
        return false;
    try {
        Grid->Scroll(0, static_cast<long>(row) - Linha, false);
    } catch (const std::exception&) {
    }
    return true;
}

void NavegaGridTeclado(THGrid* Grid, const platform::dao::RecordsetPtr& Registros, const QString& Tecla)
{
    try {
        if (!Grid || !Registros || Registros->EOF_())
            return;
        const double pagina = static_cast<double>(Grid->height()) / AlturaLinhaPaginacao;
        long n = 0;
        if (Tecla == QLatin1String("{DOWN}"))
            n = 1;
        else if (Tecla == QLatin1String("{UP}"))
            n = -1;
        else if (Tecla == QLatin1String("{PGDN}"))
            n = THLayout::ArredondaPar(pagina);
        else if (Tecla == QLatin1String("{PGUP}"))
            n = -THLayout::ArredondaPar(pagina - 1);

        Registros->Move(n);
        if (Registros->BOF())
            Registros->MoveFirst();
        else if (Registros->EOF_())
            Registros->MoveLast();

        if (Tecla == QLatin1String("{PGDN}"))
            RestauraLinhaGrid(Grid, static_cast<int>(n) - 1);
    } catch (const std::exception&) {
    }
}

}  // namespace Modulo
