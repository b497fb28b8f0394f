#pragma once

#include "tools/DatabaseFile.h"

// The register database as the build lays it out, from the repository's own scripts.
DatabaseFile chequeDatabaseFile();
