"""The sip-build project of PyQt5.BVWidgets and PyQt6.BVWidgets.

One set of .sip files serves both: the Qt major of the qmake in use picks the
module file (BVWidgetsmod5.sip or BVWidgetsmod6.sip), the PyQt whose .sip
files it imports, and the library it links (libbvwidgets or
libbvwidgets-qt6). The library's headers and its folder default to an install
in /usr; --bv-include-dir and --bv-library-dir name a build or another prefix.
"""

import importlib
import os

from pyqtbuild import PyQtBindings, PyQtProject
from sipbuild import Option


class BVWidgetsProject(PyQtProject):
    def apply_nonuser_defaults(self, tool):
        self.bindings_factory = BVWidgetsBindings
        super().apply_nonuser_defaults(tool)

    def apply_user_defaults(self, tool):
        # This runs qmake, which gives the Qt version, the sip module and its ABI.
        super().apply_user_defaults(tool)
        major = self.builder.qt_version >> 16
        if major:
            pyqt = importlib.import_module("PyQt{}".format(major))
            self.sip_include_dirs.append(os.path.join(os.path.dirname(pyqt.__file__), "bindings"))
            # The two modules' distribution data must not share a name.
            self.metadata["name"] = self.name = "PyQt{}-BVWidgets".format(major)


class BVWidgetsBindings(PyQtBindings):
    def get_options(self):
        options = super().get_options()
        options.append(Option("bv_include_dirs", option_type=list,
                              help="find the library's headers in DIR", metavar="DIR"))
        options.append(Option("bv_library_dir", help="find the library in DIR", metavar="DIR"))
        return options

    def apply_user_defaults(self, tool):
        major = self.project.builder.qt_version >> 16
        if major:
            library = "bvwidgets" if major == 5 else "bvwidgets-qt{}".format(major)
            self.sip_file = os.path.join(self.name, "{}mod{}.sip".format(self.name, major))
            self.libraries.append(library)
            self.include_dirs.extend(self.bv_include_dirs or [os.path.join("/usr/include", library)])
            if self.bv_library_dir:
                self.library_dirs.append(self.bv_library_dir)
        super().apply_user_defaults(tool)
