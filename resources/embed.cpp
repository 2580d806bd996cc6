// Embeds the drawn picture set (the binary resource file that rcc writes at
// build time) in the program and registers it before main() runs, so that
// ":/tq/<type>/<NAME>" resolves in every program that links tq_resources.
// The bytes go in through the assembler's .incbin, which is much faster to
// build than a generated C++ array of several megabytes.

#include <QResource>

#ifndef TQ_PICTURES_RCC
#error "TQ_PICTURES_RCC must name the binary resource file"
#endif

__asm__(".section .rodata\n"
        ".global tq_pictures_rcc\n"
        ".type tq_pictures_rcc, @object\n"
        ".balign 16\n"
        "tq_pictures_rcc:\n"
        ".incbin \"" TQ_PICTURES_RCC "\"\n"
        ".previous\n");

extern "C" const unsigned char tq_pictures_rcc[];

namespace {

const bool g_registered = QResource::registerResource(tq_pictures_rcc);

}  // namespace
