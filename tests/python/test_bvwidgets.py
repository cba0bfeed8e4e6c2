"""The controls from Python: PyQt5.BVWidgets, or PyQt6's with BV_PYQT=6."""
import ctypes, gc, importlib, os, unittest

major = os.environ.get("BV_PYQT", "5")
# PyQt's package spans every PyQtN folder on the path: the module of the build under test (PYTHONPATH) comes first.
importlib.import_module("PyQt" + major).__path__.sort(key=lambda p: not any(p.startswith(e) for e in os.environ.get("PYTHONPATH", "-").split(":")))
QtCore, QtGui, QtTest, QtWidgets, sip, BV = (importlib.import_module("PyQt%s.%s" % (major, n))
                                              for n in ("QtCore", "QtGui", "QtTest", "QtWidgets", "sip", "BVWidgets"))
Qt, QColor, QWidget = QtCore.Qt, QtGui.QColor, QtWidgets.QWidget
app = QtWidgets.QApplication.instance() or QtWidgets.QApplication(["test"])


class Page(QWidget): pass


class BVWidgetsTest(unittest.TestCase):
    def test_a_color_set_twice_is_signalled_once(self):
        red = QColor.fromHsl(0, 255, 128)
        for widget, setter, signal, args in [(BV.BVColorWidget(), "SetForeground", "ForegroundChanged", [red]),
                                             (BV.BVColorWidget(), "SetBackground", "BackgroundChanged", [red]),
                                             (BV.BVColorWheel(), "SetColor", "ColorChanged", [])]:
            received = []
            getattr(widget, signal).connect(lambda *a: received.append(list(a)))
            getattr(widget, setter)(red)
            getattr(widget, setter)(red)
            self.assertEqual(received, [args], signal)

    def test_ownership(self):
        host, wizard = QWidget(), BV.BVWizard()
        types = [BV.BVColorControl, BV.BVColorWheel, BV.BVColorWidget, BV.EasySlider, BV.SmartSpinBox,
                 BV.SmartDoubleSpinBox, BV.BVSpinBox, BV.BVWizard]
        for t in types:  # no Python reference kept: the parent holds them
            t(parent=host)
        BV.BVSplitter(Qt.Orientation.Vertical, host)
        wizard.SetHeader(QtWidgets.QLabel("header"))
        wizard.AddFooterItem(QtWidgets.QPushButton("next"))
        wizard.AddPage(Page())  # shown later, though Python dropped it at once
        wizard.AddPage(Page())
        gc.collect()
        children = [host.findChild(t) for t in types + [BV.BVSplitter]]
        self.assertEqual([type(c) for c in children], types + [BV.BVSplitter])
        wizard.SetPage(1)
        page = wizard.GetPage()
        self.assertEqual((type(page), page.parentWidget()), (Page, wizard))
        self.assertEqual([len(wizard.findChildren(t)) for t in (QtWidgets.QLabel, QtWidgets.QPushButton)], [1, 1])
        sip.delete(host)
        sip.delete(wizard)
        self.assertEqual({sip.isdeleted(c) for c in children + [page]}, {True})

    def test_overrides_are_reached_from_cpp(self):
        calls = []

        class Slider(BV.EasySlider):
            def mousePressEvent(self, event):
                calls.append("press")
                super().mousePressEvent(event)  # ours jumps to the point; QSlider's would step a page

        slider = Slider(Qt.Orientation.Horizontal)
        slider.resize(200, 20)
        QtTest.QTest.mousePress(slider, Qt.MouseButton.LeftButton, Qt.KeyboardModifier.NoModifier, QtCore.QPoint(150, 10))
        self.assertEqual((calls, slider.value() > 60), (["press"], True))

    def test_save_restore_round_trip(self):
        panel, other = BV.BVColorWidget(), BV.BVColorWidget()
        panel.SetForeground(QColor(10, 20, 30))
        panel.SetBackground(QColor.fromHsl(200, 100, 50))
        self.assertEqual((other.Restore(panel.Save()), bytes(other.Save()), other.GetForeground()),
                         (True, bytes(panel.Save()), QColor(10, 20, 30)))
        self.assertFalse(other.Restore(QtCore.QByteArray(b"not a state")))

    def test_wizard_made_in_cpp_arrives_as_wizard(self):
        # Made by the library's constructor through ctypes, so no Python wrapper exists to be found.
        host = QWidget()
        new = ctypes.CDLL("libstdc++.so.6")._Znwm  # operator new: the host's delete frees it
        new.restype = ctypes.c_void_p
        memory = ctypes.c_void_p(new(ctypes.c_size_t(512)))
        library = ctypes.CDLL("libbvwidgets.so.1" if major == "5" else "libbvwidgets-qt%s.so.1" % major)
        library._ZN8BVWizardC1EP7QWidget6QFlagsIN2Qt10WindowTypeEE(memory, ctypes.c_void_p(sip.unwrapinstance(host)), 0)
        found = host.findChild(QWidget)
        self.assertEqual((type(found), found.GetPageCount()), (BV.BVWizard, 0))


if __name__ == "__main__":
    unittest.main()
