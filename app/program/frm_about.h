#pragma once
// "Firma Hakkında": the maker and the program's version.
#include <QDialog>

class Tfrm_about : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_about(QWidget *ust = nullptr);
};
