#pragma once
// Stand-ins the viewer registers for the requests whose screens other
// libraries serve, when the program carries none yet: the cart list
// (request 3) and the output options (request 5).  They show those screens
// as far as the detail window's own part of them needs (the cart list's row
// icons and keys, the output part chooser), nothing more: no printing, no
// export.

// Registers the stand-ins for the requests that have no routine.
void RegistraRotinasDemo();

// Puts a few items of the catalogue into the run's cart table (the viewer's
// example rows for the cart list).
void EncheCarrinhoDemo();
