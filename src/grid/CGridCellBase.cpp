#include "grid/CGridCellBase.h"

bool CGridCellBase::ValidateEdit(const QString&)
{
    return true;
}
