#pragma once
// The hints of the parameter controls, in the interface language. A spin edit's hint ends
// with its range.

class QWidget;
class QString;

void ApplyTooltips(QWidget& window, const QString& language);
