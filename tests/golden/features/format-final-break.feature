Given x
