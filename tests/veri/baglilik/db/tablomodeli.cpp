#include <QLineEdit>
#include <QTableView>
