#pragma once
// The routines the viewer registers for the requests whose screens other
// libraries serve: report output's own for the output options (request 5)
// and the comparison printout (request 6), and a stand-in for the cart list
// (request 3), shown as far as the detail window's own part of it needs
// (the row icons and keys), nothing more: no printing, no export.

// Registers the routines of requests 3, 5 and 6.
void RegistraRotinasDemo();

// Puts a few items of the catalogue into the run's cart table (the viewer's
// example rows for the cart list).
void EncheCarrinhoDemo();
