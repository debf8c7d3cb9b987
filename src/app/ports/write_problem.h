#pragma once
// Why a file cannot be written, in words a user can act on: the folder it should go
// into and what is wrong with it.

#include <string>

namespace zt6 {

// From the system's error number of a failed create or write (errno): "Ordner X fehlt",
// "keine Schreibberechtigung im Ordner X", "Ordner X ist schreibgeschützt" or "kein
// Platz mehr im Ordner X (Datenträger voll)", or what is wrong with the file itself ("an
// ihrer Stelle steht ein Ordner", "Datei zu groß ..."), in code page 850. Empty when the error
// says nothing about the folder (a name the file system refuses, for example).
std::string WriteProblem(const std::string& path, int errorNumber);

}  // namespace zt6
