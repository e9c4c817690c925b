#include <QtWidgets/QLineEdit>
