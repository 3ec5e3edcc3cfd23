// SPDX-License-Identifier: MIT
import QtQuick
import QtTest
import Lunafold.Components

// The outline shows around the glyphs, in its colour, and nowhere without text.
Rectangle {
    width: 200; height: 80
    color: "black"

    StrokeText { id: stroked; x: 10; y: 10; text: "I"; font.pixelSize: 40; strokeWidth: 3; strokeColor: "red"; color: "white" }

    TestCase {
        name: "StrokeText"
        when: windowShown

        function test_outlineSurroundsTheText() {
            compare(stroked.implicitWidth > 6, true)
            const picture = grabImage(stroked)
            let red = 0, white = 0
            for (let x = 0; x < stroked.width; ++x)
                for (let y = 0; y < stroked.height; ++y) {
                    const c = picture.pixel(x, y)
                    if (c.r > 0.8 && c.g < 0.3 && c.b < 0.3) ++red
                    if (c.r > 0.9 && c.g > 0.9 && c.b > 0.9) ++white
                }
            verify(white > 20)
            verify(red > white / 2)
        }
    }
}
