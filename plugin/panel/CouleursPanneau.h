// The panel's fields and labels in the host interface's theme colours.
#pragma once

// Editable fields: background and text; labels: text. Controls the panel does not have yet
// are passed over.
void AppliqueCouleursTheme();
