#include "core/textosproprios.h"

#include "core/globals.h"
#include "platform/base/language.h"

namespace Modulo {

QString TextoNoIdioma(const char* Portugues, const char* Espanhol, const char* Ingles)
{
    return platform::textForLanguage(gIdioma, Portugues, Espanhol, Ingles);
}

}  // namespace Modulo
