// The one-paper copy of a layout that the main program writes for the layout editor: the file
// information and the chart's current paper section, rebuilt from the page areas and the print
// header's elements (CPrHeader::WriteLayoutFile, defined in LayoutTempFile.cpp).
//
//   [ファイル情報]
//   Vertion=10000
//   MasterFlag=-1                  the layout editor writes -2 when it saved a changed layout
//   CurrentPaper=<paper>
//   LayoutName=<name>
//   hWnd_Tembra=<where the layout editor reports back>
//   LayoutDiscernmentFlag=<taken from the source>
//
//   [<paper section>]
//   PaperArea= ...                 areas, margin corners and partitions, then the elements
//   ...
//   LineData<n>= ...               no empty line after the last section, no "[EOS]"
#pragma once

namespace tembra {

// The format version the main program writes into a temporary copy.
constexpr int kLayoutTempVersion = 10000;
// The "MasterFlag" of a temporary copy, and of one the layout editor saved with changes.
constexpr int kLayoutTempMasterFlag = -1;
constexpr int kLayoutEditedMasterFlag = -2;

} // namespace tembra
