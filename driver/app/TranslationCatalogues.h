#pragma once

// Makes the driver's compiled catalogues visible under ":/i18n". They live in
// a static library, so nothing registers them until this runs; call it once
// before creating Trans (calling it again is harmless).
void initTranslationCatalogues();
