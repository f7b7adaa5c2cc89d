#include "widgets/addtabbtn.h"

AddTabBtn::AddTabBtn(QWidget* parent) : BluIcnBtn(parent, QStringLiteral(":/images/BtnAddTabIcn")) {}
