#pragma once

class WidgetGallery;

// Gallery rows of the HUD table, search, pop-up, segmented, stepper, slider,
// progress, tab, outline and secure controls, each in its sizes, enabled and
// disabled.
namespace WidgetGalleryHUDRows {

void addTableRows(WidgetGallery& gallery);
void addSearchRows(WidgetGallery& gallery);
void addChoiceRows(WidgetGallery& gallery);
void addValueRows(WidgetGallery& gallery);
void addFormRows(WidgetGallery& gallery);

}  // namespace WidgetGalleryHUDRows
