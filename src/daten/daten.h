#pragma once

// Everything the windows need of the program-wide data: flags, texts, language.
#include "inidatei.h"
#include "programm.h"
#include "sprache.h"
#include "textkatalog.h"
