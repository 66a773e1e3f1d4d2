#include "tools/holdercheck/HolderCheckCatalogues.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
void initHolderCheckCatalogues() { Q_INIT_RESOURCE(holdercheck_i18n); }
