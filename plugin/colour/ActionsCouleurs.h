// What every change of a colour channel does, whoever makes it: the field's commit
// ("COUzoneGrisCBP:" ... "COUzoneNoirCBP:"), the slider's move ("COUglissiereGrisCBP:" ...
// "COUglissiereNoirCBP:"; both answered by ActionDeLEditeur) and the keyboard's arrows. The
// element changed is the page's: rows, columns, frame or text on pages 1 to 4.
#pragma once

// In this order: the page element's channel (a row of kCanaux) := valeur, kept within the
// channel's range; its field shows it; its slider stands at it; the element's path style
// refreshed (rows, columns, frame: the text has none); the value stored under its own key.
// Nothing outside pages 1 to 4.
void ChangeCanal(int canal, double valeur);
// Redisplays the tracks whose colours depend on the channel: the other channels of its type.
void RedessinePistesLiees(int canal);
// Redisplays the swatch and the type-size view.
void RedessineApercus();
