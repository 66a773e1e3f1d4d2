#pragma once

// Makes holdercheck's compiled catalogues visible under ":/i18n". They live
// in a static library, so nothing registers them until this runs.
void initHolderCheckCatalogues();
