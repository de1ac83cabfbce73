#pragma once

// The launcher's entry. In the Win32 flavour it lives in HADREK.dll, so that
// the plug-in finds its host functions in the module named HADREK.
extern "C" int hadrek_main(int argc, char** argv);
