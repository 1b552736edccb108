#pragma once
// The dependency scale on the result step (objectName picScale): its
// levels from 0 to 10 with a marker at the score. A screen reader reads it
// as a graphic named by the score and its level.

#include <QWidget>

namespace cindrel {

class ResultScale : public QWidget {
    Q_OBJECT
public:
    explicit ResultScale(QWidget *parent = nullptr);

    /// Moves the marker to a score (0 to 10) and renames the scale for
    /// screen readers.
    void setScore(int score);
    int score() const { return score_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int score_ = 0;
};

} // namespace cindrel
