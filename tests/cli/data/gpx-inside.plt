<gpx><trk><name>GPX in a .plt file</name><trkseg>
<trkpt lat="45.1" lon="7.1"><ele>100</ele><time>2008-11-04T12:00:00Z</time></trkpt>
<trkpt lat="45.2" lon="7.2"><ele>110</ele><time>2008-11-04T12:30:00Z</time></trkpt>
</trkseg></trk></gpx>
