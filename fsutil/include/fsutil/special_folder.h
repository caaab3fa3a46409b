// Paths of the shell's special folders. The shell-folder library is loaded for each lookup
// and freed again; the current directory is taken out of the library search order first
// (process-wide, and it stays so), so no library planted there is loaded instead.
#pragma once

// buffer must hold MAX_PATH (260) bytes; it starts empty and, after a failed lookup, holds
// whatever the shell left in it. True when it holds a non-empty folder path. With
// retryWithCreate, a folder the first lookup cannot give is asked for once more, created when
// missing. A null buffer gives false.
bool GetSpecialFolderPath(char* buffer, int folder, bool retryWithCreate);

// The user's documents folder, created when missing.
bool GetDocumentsFolderPath(char* buffer);
