#include "ui/win32/MainDialog.h"

namespace fennick {

void MainDialog::OnDropFiles(HDROP)
{
}

void MainDialog::OnConvert()
{
}

void MainDialog::OnRemoveHeader()
{
}

void MainDialog::OnInsertHeader()
{
}

void MainDialog::OnClearResults()
{
}

void MainDialog::OnApplyExclusion()
{
}

void MainDialog::OnClearList()
{
}

void MainDialog::OnClickExtensionGroup()
{
}

void MainDialog::OnClickExtensionList(NMHDR*, LRESULT*)
{
}

void MainDialog::OnClickFileList(NMHDR*, LRESULT*)
{
}

} // namespace fennick
