// The header row of the program's tables. A section is never shown in bold
// here, so sections are measured in the header's own font; Qt's own header
// measures them in bold, which loads a second set of fonts only for that.
#pragma once

#include <QHeaderView>

class PlainHeaderView : public QHeaderView {
public:
    explicit PlainHeaderView(QWidget *parent = nullptr);

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
};
