Given x
   