#include "core/texts.h"

#include "core/globals.h"

namespace Modulo {
namespace {

struct Texto {
    const char16_t* p;
    const char16_t* e;
    const char16_t* i;
};

// The entries by number.  Entries 5, 19, 60 and 97 depend on the edition: the
// row here is the variant of the editions other than D (for 19: edition V);
// the other variants follow below.
constexpr Texto kTextos[kUltimoTexto + 1] = {
    /*   0 */ {u"Todos os Fabricantes", u"Todos los Fabricantes", u"All Manufacturers"},
    /*   1 */ {u"Eixo", u"Eje", u"Axle"},
    /*   2 */ {u"Componente", u"Componente", u"Component"},
    /*   3 */ {u"Transmissão", u"Transmisión", u"Transmission"},
    /*   4 */ {u"Jogo de Reparo", u"Juego de Reparación", u"Repair Kit"},
    /*   5 */ {u"Nº TQ", u"Nº TQ", u"TQ Nr"},
    /*   6 */ {u"Selecionar Item", u"Seleccionar Ítem", u"Select Item"},
    /*   7 */ {u"Aplicação", u"Aplicación", u"Application"},
    /*   8 */ {u"Observação", u"Observación", u"Note"},
    /*   9 */ {u"Jogos de Reparo", u"Juegos de Reparación", u"Repair Kits"},
    /*  10 */ {u"Opcionais", u"Opcionales", u"Optional Items"},
    /*  11 */ {u"Excluir", u"Eliminar", u"Delete"},
    /*  12 */ {u"Aumentar Quantidade", u"Aumentar Cantidad", u"Increase Quantity"},
    /*  13 */ {u"Diminuir Quantidade", u"Disminuir Cantidad", u"Decrease Quantity"},
    /*  14 */ {u"Detalhes (Tabela)", u"Detalles (Tabla)", u"Details (Table)"},
    /*  15 */ {u"Todos os Componentes", u"Todos los Componentes", u"All Components"},
    /*  16 */ {u"Nenhum Item Selecionado", u"Ningún artículo seleccionado", u"No Selected Item"},
    /*  17 */ {u"Veículo", u"Vehículo", u"Vehicle"},
    /*  18 */ {u"Fabricante", u"Fabricante", u"Manufacturer"},
    /*  19 */ {u"Razovovu TQ - Vizureru", u"Razovovu de piezas TQ - Vehicular", u"TQ Part list - Automotive"},
    /*  20 */ {u"Gerar Arquivo", u"Generar Archivo", u"Generate File"},
    /*  21 */ {u"Erro Nº", u"Erro Nº", u"Err Nr"},
    /*  22 */ {u"Figura", u"Figura", u"Figure"},
    /*  23 */ {u"Tabela", u"Tabla", u"Table"},
    /*  24 */ {u"Item", u"Ítem", u"Item"},
    /*  25 */ {u"Qtd.", u"Cant.", u"Qty."},
    /*  26 */ {u"Vizureru", u"Vehicular", u"Automotive"},
    /*  27 */ {u"Agrícola", u"Agrícola", u"Agricultural"},
    /*  28 */ {u"Descrição", u"Descripción", u"Description"},
    /*  29 */ {u"Itens Selecionados", u"Ítems Seleccionados", u"Selected Items"},
    /*  30 */ {u"Não Aplicavel", u"No Aplicable", u"Not Applicable"},
    /*  31 */ {u"Tipo", u"Tipo", u"Type"},
    /*  32 */ {u"Arquivo \"|1|\" gerado com sucesso", u"Archivo \"|1|\" grabado con exito", u"File \"|1|\" successfully saved"},
    /*  33 */ {u"|1| não representado graficamente", u"|1| no mostrado", u"|1| not showed"},
    /*  34 */ {u"Minimizar", u"Minimizar", u"Minimize"},
    /*  35 */ {u"Confirma Limpar?", u"¿Desea realmente Limpiar?", u"Delete confirm?"},
    /*  36 */ {u"Requer Adobe Acrobat Reader", u"Requiere Adobe Acrobat Reader", u"Requires Adobe Acrobat Reader"},
    /*  37 */ {u"Eixos", u"Ejes", u"Axles"},
    /*  38 */ {u"Transmissões", u"Transmisiones", u"Transmissions"},
    /*  39 */ {u"Sugestão de Compra", u"Sugerencia de Compra", u"Buying Suggestion"},
    /*  40 */ {u"Fechar", u"Cerrar", u"Close"},
    /*  41 */ {u"Próxima Página", u"Página Siguiente", u"Next Page"},
    /*  42 */ {u"Página Anterior", u"Página Anterior", u"Previous Page"},
    /*  43 */ {u"Nenhum Item Encontrado", u"Ningún Item Encontrado", u"No Item Found"},
    /*  44 */ {u"Montadora", u"Montadora", u"Assembler"},
    /*  45 */ {u"Nenhuma Peça faz referência ao item", u"Ninguna Pieza hace la referencia al artículo", u"No Piece makes reference to the item"},
    /*  46 */ {u"Para Pesquisar, selecione a Montadora (acima), depois informe o Nº",
               u"Para Investigar, seleccione la Montadora (arriba), después informe el Nº",
               u"To search, select the Assembler (above), then inform the Nr."},
    /*  47 */ {u"", u"", u""},
    /*  48 */ {u"Atual", u"Actual", u"Current"},
    /*  49 */ {u"Antigo", u"Antiguo", u"Old"},
    /*  50 */ {u"Gerando", u"Generando", u"Generating"},
    /*  51 */ {u"Compactando", u"Comprimiendo", u"Compressing"},
    /*  52 */ {u"Gerar um único arquivo compactado (zip)", u"Generar un único archivo comprimido (zip)", u"Generate a single compressed file (zip)"},
    /*  53 */ {u"Opcional", u"Opcional", u"Optional"},
    /*  54 */ {u"Comparação", u"Comparación", u"Comparison"},
    /*  55 */ {u"Página |1| de |2|", u"Página |1| de |2|", u"Page |1| of |2|"},
    /*  56 */ {u"Informe o NºTQ TRANSMISSÃO", u"Informe lo NºTQ TRANSMISIÓN", u"Inform TQ NR. TRANSMISSION"},
    /*  57 */ {u"Informe o NºTQ TRANSMISSÃO / EIXO", u"Informe lo NºTQ TRANSMISIÓN  / EJE", u"Inform the TQ NR. TRANSMISSION / AXLE"},
    /*  58 */ {u"O NºTQ TRANSMISSÃO não foi encontrado", u"Lo NºTQ TRANSMISIÓN no fue encontrado", u"TQ NR. TRANSMISSION was not found"},
    /*  59 */ {u"O NºTQ TRANSMISSÃO / EIXO não foi encontrado", u"Lo NºTQ TRANSMISIÓN / EJE no fue encontrado", u"TQ NR. TRANSMISSION / AXLE was not found"},
    /*  60 */ {u"Os NÚMEROS TQ devem ser diferentes", u"Los Números TQ deben ser diferentes", u"TQ Numbers must be different"},
    /*  61 */ {u"Não é possível comparar TRANSMISSÃO com EIXO", u"No es posible comparar la TRANSMISIÓN con el EJE", u"It is not possible to compare TRANSMISSION with AXLE"},
    /*  62 */ {u"Quantidade Inválida", u"Cantidad Inválida", u"Invalid Quantity"},
    /*  63 */ {u"Exibir", u"Mostrar", u"Show"},
    /*  64 */ {u"Componentes Diferentes entre os conjuntos", u"Componentes Diferentes entre los conjuntos", u"Components that differ between the sets"},
    /*  65 */ {u"Componentes Iguais entre os conjuntos", u"Componentes Iguales entre los conjuntos", u"Components common to the sets"},
    /*  66 */ {u"Todos os Componentes dos conjuntos", u"Todos los Componentes de los conjuntos", u"All Components of the sets"},
    /*  67 */ {u"Existem Novas Atualizações. Deseja Instalar agora?", u"Existen Nuevas Actualizaciones. ¿Desea instálelas ahora?", u"New Updates Exist. Install now?"},
    /*  68 */ {u"Não existem Novas Atualizações", u"No existen Nuevas Actualizaciones", u"New Updates do not exist"},
    /*  69 */ {u"Não foi possível Bloquear o Banco de Dados. (Outro Computador, de sua rede, já está Atualizando o Razovovu)",
               u"Non foi posible bloquear la base de datos. (Otra Computadora, de la su red, ya está actualizando el Razovovu)",
               u"It was not possible To block the Data Base. (Another Computer, of its net, already Is update the Part List)"},
    /*  70 */ {u"Erro ao tentar Verificar Atualizações", u"Error al intentar Verificar Actualizaciones", u"Error when trying To verify Updates"},
    /*  71 */ {u"Requer acesso à Internet", u"Necesita el acceso a Internet", u"It requires access to the InterNet"},
    /*  72 */ {u"ERRO na Última Verificação", u"ERROR en la Última Verificación", u"ERROR in the Last Verification"},
    /*  73 */ {u"Atualização Concluída com Sucesso", u"Actualización Concluida con Éxito", u"Successfully Concluded Update"},
    /*  74 */ {u"Obtendo Listas de Atualizações", u"Obteniendo Listas de Actualizaciones", u"Getting Update Lists"},
    /*  75 */ {u"Download dos Arquivos", u"Descarga de los Archivos", u"Downloading Files"},
    /*  76 */ {u"Copiando Arquivos", u"Copiando Archivos", u"Copying Files"},
    /*  77 */ {u"Atualizando Banco de Dados", u"Actualizando la Base de Datos", u"Updating the Database"},
    /*  78 */ {u"Última Atualização", u"Última Actualización", u"Last Update"},
    /*  79 */ {u"Última Verificação", u"Última Verificación", u"Last Check"},
    /*  80 */ {u"Verificar se existem Novas Atualizações", u"Verificar si existen Nuevas Actualizaciones", u"Check for New Updates"},
    /*  81 */ {u"Verificar Atualizações Automaticamente", u"Verificar Actualizaciones Automáticamente", u"Check for Updates Automatically"},
    /*  82 */ {u"Usuário", u"Usuario", u"User Name"},
    /*  83 */ {u"Senha", u"Contraseña", u"Password"},
    /*  84 */ {u"JAN", u"ENE", u"JAN"},
    /*  85 */ {u"FEV", u"FEB", u"FEB"},
    /*  86 */ {u"MAR", u"MAR", u"MAR"},
    /*  87 */ {u"ABR", u"ABR", u"APR"},
    /*  88 */ {u"", u"", u""},
    /*  89 */ {u"MAI", u"MAY", u"MAY"},
    /*  90 */ {u"JUN", u"JUN", u"JUN"},
    /*  91 */ {u"JUL", u"JUL", u"JUL"},
    /*  92 */ {u"AGO", u"AGO", u"AUG"},
    /*  93 */ {u"SET", u"SEP", u"SEP"},
    /*  94 */ {u"OUT", u"OCT", u"OCT"},
    /*  95 */ {u"NOV", u"NOV", u"NOV"},
    /*  96 */ {u"DEZ", u"DIC", u"DEC"},
    /*  97 */ {u"Para acessar o Razovovu TQ: executar \"DazadizeTQ_?.exe\"",
               u"Para tener acceso el Razovovu TQ: ejecutar \"DazadizeTQ_?.exe\"",
               u"To access TQ Part List: execute \"DazadizeTQ_?.exe\""},
    /*  98 */ {u"Verificar Atualizações", u"Verificar Actualizaciones", u"Check for Updates"},
    /*  99 */ {u"Configurações", u"Configuración", u"Settings"},
    /* 100 */ {u"Adicionado no Carrinho", u"Agregado en el Carrito", u"Added in the Cart"},
    /* 101 */ {u"Incluir Item no Carrinho", u"Agregar Ítem al Carrito", u"Add Item to the Cart"},
    /* 102 */ {u"Botão Esquerdo", u"Botón Izquierdo", u"Left Button"},
    /* 103 */ {u"Botão Direito", u"Botón Derecho", u"Right Button"},
    /* 104 */ {u"Autenticação de Proxy HTTP", u"Autenticación de Proxy HTTP", u"HTTP Proxy Authentication"},
    /* 105 */ {u"Carrinho", u"Carrito", u"Cart"},
    /* 106 */ {u"Todos", u"Todos", u"All"},
    /* 107 */ {u"Informe o NºTQSD CONJUNTO", u"Informe lo NºTQSD CONJUNTO", u"Inform the TQSD NR. SET"},
    /* 108 */ {u"O NºTQSD CONJUNTO não foi encontrado", u"Lo NºTQSD CONJUNTO no fue encontrado", u"TQSD NR. SET was not found"},
    /* 109 */ {u"Não é possível comparar CONJUNTOS de tipos diferentes", u"No es posible comparar CONJUNTOS de distintos tipos", u"It is not possible to compare SETS of different types"},
    /* 110 */ {u"Todos os Conjuntos", u"Todos los Conjuntos", u"All Sets"},
    /* 111 */ {u"Conjunto", u"Conjunto", u"Set"},
    /* 112 */ {u"Anexo", u"Adjunto", u"Attachment"},
    /* 113 */ {u"Anexos", u"Adjuntos", u"Attachments"},
    /* 114 */ {u"Informe o NºTQ CONJUNTO", u"Informe lo NºTQ CONJUNTO", u"Inform the TQ NR. SET"},
    /* 115 */ {u"O NºTQ CONJUNTO não foi encontrado", u"El NºTQ CONJUNTO no fue encontrado", u"TQ NR. SET was not found"},
    /* 116 */ {u"Item |1| de |2|", u"Ítem |1| de |2|", u"Item |1| of |2|"},
    /* 117 */ {u"Próximo Item: Clique no\r\nbotão Direito do Mouse", u"Ítem Siguiente: Clic en el\r\nbotón derecho del ratón",
               u"Next Item: Click in the\r\nRight button of the Mouse"},
    /* 118 */ {u"Clique para ver Observação", u"Clic para ver Observación", u"Click to view Note"},
    /* 119 */ {u"Clique para ver Opcionais", u"Clic para ver Opcional", u"Click to view Optional"},
    /* 120 */ {u"Mova o cursor do mouse sobre os itens da figura", u"Mueva su ratón sobre los ítems de la figura", u"Move your mouse over the figure items"},
    /* 121 */ {u"Nº |1|", u"Nº |1|", u"|1| Nr"},
};

// Edition D's variants of entries 5, 60 and 97.
constexpr Texto kTexto5D = {u"Nº TQSD", u"Nº TQSD", u"TQSD Nr"};
constexpr Texto kTexto60D = {u"Os NÚMEROS TQSD devem ser diferentes", u"Los Números TQSD deben ser diferentes",
                             u"TQSD Numbers must be different"};
constexpr Texto kTexto97D = {u"Para acessar o Razovovu TQSD: executar \"DazadizeTQ_D.exe\"",
                             u"Para tener acceso el Razovovu TQSD: ejecutar \"DazadizeTQ_D.exe\"",
                             u"To access TQSD Part List: execute \"DazadizeTQ_D.exe\""};

// The program title (entry 19) of editions A, D and M.
constexpr Texto kTitulo19A = {u"Razovovu TQ - Agrícola", u"Razovovu de piezas TQ - Agrícola", u"TQ Part list - Agricultural"};
constexpr Texto kTitulo19D = {u"Razovovu Estelvo", u"Razovovu de piezas Estelvo", u"Estelvo Part list"};
constexpr Texto kTitulo19M = {u"Razovovu Quorvan", u"Razovovu de piezas Quorvan", u"Quorvan Part list"};

// The row that holds entry `indice` for an edition; nullptr when the edition
// has none (entry 19 outside V, A, D, M).
const Texto* entrada(long indice, const QString& edicao)
{
    const bool d = edicao == QLatin1String("D");
    switch (indice) {
    case 5: return d ? &kTexto5D : &kTextos[5];
    case 60: return d ? &kTexto60D : &kTextos[60];
    case 97: return d ? &kTexto97D : &kTextos[97];
    case 19:
        if (edicao == QLatin1String("V")) return &kTextos[19];
        if (edicao == QLatin1String("A")) return &kTitulo19A;
        if (d) return &kTitulo19D;
        if (edicao == QLatin1String("M")) return &kTitulo19M;
        return nullptr;
    default:
        return &kTextos[indice];
    }
}

}  // namespace

QString ObtemTexto(long Indice, const QString& Idioma, const QString& Edicao)
{
    const QString& idioma = Idioma.isEmpty() ? gIdioma : Idioma;
    if (Indice < kPrimeiroTexto || Indice > kUltimoTexto)
        return {};
    const Texto* t = entrada(Indice, Edicao);
    if (!t)
        return {};
    if (idioma == QLatin1String("P"))
        return QString::fromUtf16(t->p);
    if (idioma == QLatin1String("E"))
        return QString::fromUtf16(t->e);
    if (idioma == QLatin1String("I"))
        return QString::fromUtf16(t->i);
    return {};
}

QString ObtemTexto(long Indice, const QString& Idioma) { return ObtemTexto(Indice, Idioma, gEdicao); }

QString ObtemTituloPrograma() { return ObtemTexto(19, QString()); }

}  // namespace Modulo
