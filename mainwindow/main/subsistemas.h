#pragma once
// Registers every subsystem of the catalogue program with the windows
// (frmTQ1's registry, the detail window's opener and requests).  Called once
// by main before any window exists.
void RegistraSubsistemas();
