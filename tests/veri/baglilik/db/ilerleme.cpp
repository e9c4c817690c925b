#include <QProgressDialog>
