"""The controls from Python: PyQt5.BVWidgets, or PyQt6's with BV_PYQT=6."""

import ctypes
import gc
import importlib
import os
import unittest

major = os.environ.get("BV_PYQT", "5")
QtCore, QtGui, QtTest, QtWidgets, sip, BV = (importlib.import_module("PyQt%s.%s" % (major, name))
                                              for name in ("QtCore", "QtGui", "QtTest", "QtWidgets", "sip", "BVWidgets"))
Qt = QtCore.Qt
app = QtWidgets.QApplication.instance() or QtWidgets.QApplication(["test"])


def every_control(parent):
    return [BV.BVColorControl(parent), BV.BVColorWheel(parent), BV.BVColorWidget(parent),
            BV.EasySlider(parent=parent), BV.SmartSpinBox(parent), BV.SmartDoubleSpinBox(parent),
            BV.BVSpinBox(parent), BV.BVSplitter(Qt.Orientation.Vertical, parent), BV.BVWizard(parent)]


class Page(QtWidgets.QWidget):
    pass


class BVWidgetsTest(unittest.TestCase):
    def test_color_signals(self):
        red = QtGui.QColor.fromHsl(0, 255, 128)
        for emitter, setter, signal, args in [
                (BV.BVColorWidget, "SetForeground", "ForegroundChanged", [[red]]),
                (BV.BVColorWidget, "SetBackground", "BackgroundChanged", [[red]]),
                (BV.BVColorWheel, "SetColor", "ColorChanged", [[]])]:
            widget = emitter()
            received = []
            getattr(widget, signal).connect(lambda *a: received.append(list(a)))
            getattr(widget, setter)(red)
            getattr(widget, setter)(red)
            self.assertEqual(received, args, signal)

    def test_parented_controls_live_and_die_with_the_parent(self):
        host = QtWidgets.QWidget()
        types = [type(c) for c in every_control(host)]
        gc.collect()
        children = [host.findChild(t) for t in types]
        self.assertEqual([type(c) for c in children], types)
        sip.delete(host)
        self.assertEqual([sip.isdeleted(c) for c in children], [True] * len(types))

    def test_wizard_keeps_what_python_dropped(self):
        wizard = BV.BVWizard()
        wizard.SetHeader(QtWidgets.QLabel("header"))
        wizard.AddFooterItem(QtWidgets.QPushButton("next"))
        wizard.AddPage(Page())
        wizard.AddPage(Page())
        gc.collect()
        wizard.SetPage(1)
        page = wizard.GetPage()
        self.assertIsInstance(page, Page)
        self.assertIs(page.parentWidget(), wizard)
        self.assertEqual(len(wizard.findChildren(QtWidgets.QLabel)), 1)
        self.assertEqual(len(wizard.findChildren(QtWidgets.QPushButton)), 1)
        sip.delete(wizard)
        self.assertTrue(sip.isdeleted(page))
        gc.collect()

    def test_overrides_are_reached_from_cpp(self):
        calls = []

        class Splitter(BV.BVSplitter):
            def enterEvent(self, event):
                calls.append("enter")
                super().enterEvent(event)

        class Slider(BV.EasySlider):
            def mousePressEvent(self, event):
                calls.append("press")
                super().mousePressEvent(event)

        splitter = Splitter(Qt.Orientation.Vertical)
        point = QtCore.QPointF(1, 1)
        QtWidgets.QApplication.sendEvent(splitter, QtGui.QEnterEvent(point, point, point))
        slider = Slider(Qt.Orientation.Horizontal)
        slider.setRange(0, 100)
        slider.resize(200, 20)
        # EasySlider's own handler jumps to the point; QSlider's would step by a page.
        QtTest.QTest.mousePress(slider, Qt.MouseButton.LeftButton, Qt.KeyboardModifier.NoModifier,
                                QtCore.QPoint(150, 10))
        self.assertEqual(calls, ["enter", "press"])
        self.assertGreater(slider.value(), 60)

    def test_save_restore_round_trip(self):
        panel = BV.BVColorWidget()
        panel.SetForeground(QtGui.QColor(10, 20, 30))
        panel.SetBackground(QtGui.QColor.fromHsl(200, 100, 50))
        state = panel.Save()
        other = BV.BVColorWidget()
        self.assertTrue(other.Restore(state))
        self.assertEqual((bytes(other.Save()), other.GetForeground()), (bytes(state), QtGui.QColor(10, 20, 30)))
        self.assertFalse(other.Restore(QtCore.QByteArray(b"not a state")))

    def test_wizard_made_in_cpp_arrives_as_wizard(self):
        # A host builds its wizard in C++; the library's constructor, called
        # here through ctypes, leaves no Python wrapper behind to find.
        host = QtWidgets.QWidget()
        name = "libbvwidgets.so.1" if major == "5" else "libbvwidgets-qt%s.so.1" % major
        new = ctypes.CDLL("libstdc++.so.6")._Znwm
        new.restype = ctypes.c_void_p
        memory = new(ctypes.c_size_t(512))
        constructor = ctypes.CDLL(name)._ZN8BVWizardC1EP7QWidget6QFlagsIN2Qt10WindowTypeEE
        constructor(ctypes.c_void_p(memory), ctypes.c_void_p(sip.unwrapinstance(host)), 0)
        found = host.findChild(QtWidgets.QWidget)
        self.assertIs(type(found), BV.BVWizard)
        self.assertEqual(found.GetPageCount(), 0)


if __name__ == "__main__":
    unittest.main()
