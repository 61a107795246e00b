#pragma once
// The Carbon services the program calls, over Linux: Memory Manager handles,
// the Alias Manager and the catalog of the one volume, "Macintosh HD".

#include "platform/carbon/AliasRecord.h"
#include "platform/carbon/Aliases.h"
#include "platform/carbon/Catalog.h"
#include "platform/carbon/Handles.h"
#include "platform/carbon/MacTypes.h"
