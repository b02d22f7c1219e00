#pragma once

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>

class QComboBox;

/// One entry of a combo box choice table; a table ends with an entry whose
/// text is null. Texts are UTF-8 and are translated in the context
/// "ComboBoxCtl" (mark them with QT_TRANSLATE_NOOP("ComboBoxCtl", ...)).
struct ComboChoice
{
    const char *text;
    int value;
};

// Maps a combo box onto a table of numeric codes. Only a choice made by
// the user is reported (ValueChanged); showing a value never is.
class ComboBoxCtl : public QObject
{
    Q_OBJECT
public:
    explicit ComboBoxCtl(QObject *parent = nullptr);

    /// Controls \a comboBox (not owned) from now on; forgets the table and the last choice.
    void attach(QComboBox *comboBox);
    /// Refills the combo box with the texts of \a table (caller-owned, must outlive this).
    void setChoices(const ComboChoice *table);
    /// Shows the first entry whose value is \a value; nothing when there is none.
    void selectValue(int value);
    void setChoicesAndValue(const ComboChoice *table, int value);
    /// The value of the user's last choice as decimal text, "0" when there is none.
    QString valueText() const;
    void show();
    void hide();

    QComboBox *comboBox() const;
    const ComboChoice *choices() const { return m_table; }
    int choiceCount() const { return m_count; }
    int userIndex() const { return m_userIndex; }

Q_SIGNALS:
    void ValueChanged();

public Q_SLOTS:
    void ComboBoxChangeSlot(int index);

private:
    const ComboChoice *m_table = nullptr;
    QPointer<QComboBox> m_comboBox;
    int m_userIndex = -1;
    int m_count = 0;
};
